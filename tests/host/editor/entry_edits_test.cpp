// What the forms do to an entry: fields set without touching a group's
// entries, each change of kind, a new path, and colours given to every
// title; each undone to the menu as it was.
#include <gtest/gtest.h>

#include "editor/forms/title_colouring.h"
#include "editor/overlong_entry.h"
#include "menufile/menu_writer.h"
#include "editor/section/menu_operations.h"
#include "model_fakes.h"

using namespace editor;
using namespace menufile;

namespace {

class EntryEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto section = std::make_unique<Section>(3, SectionValues{});
        auto menu = std::make_unique<EditMenuFile>("", reports);
        ASSERT_TRUE(menu->LoadBytes("POPUP m\r\nBEGIN\r\nMENUITEM c:\\w, desc, -x, i.ico, 2, MENUBREAK, SHOWFOLDER, 7\r\n"
                                    "POPUP g, g.ico, 4\r\nBEGIN\r\nSTATIC t1, , /0/255\r\nPOPUP h\r\nBEGIN\r\n"
                                    "STATIC t2\r\nEND\r\nEND\r\nSTATIC t3, , , , 0, MENUBREAK\r\nSEPARATOR s\r\n"
                                    "MENUITEM x.exe\r\nEND\r\n"));
        section->set_menu(kLeft, std::move(menu));
        model.Insert(0, std::move(section));
        before = CopyTree(Root());
        Menu().set_modified(false);
    }
    EditMenuFile& Menu() { return *model.section(0).menu(kLeft); }
    MenuList& Root() { return *Menu().root(); }
    MenuEntry& At(const EntryPath& path) { return *EntryAt(Root(), path); }
    void ExpectUndoneWhole()
    {
        while (history.Undo(model)) {
        }
        EXPECT_TRUE(SameTree(Root(), *before));
    }

    editor_test::Reports reports;
    SettingsModel model;
    ChangeHistory history;
    MenuOperations edit{model, history, 3, kLeft};
    KindChangeTexts texts{"Ombrixm.exe", "新規メニュー"};
    std::unique_ptr<MenuList> before;
};

}  // namespace

TEST_F(EntryEdits, FieldsChangeOnlyWhatDiffersAndKeepAGroupsEntries)
{
    EntryFields group = FieldsOf(At({1}));
    EXPECT_FALSE(edit.SetFields({1}, group));
    EXPECT_FALSE(Menu().modified());
    PutDescription(group, "renamed");
    ASSERT_TRUE(edit.SetFields({1}, group));
    EXPECT_EQ(At({1}).text1, "renamed");
    EXPECT_EQ(At({1, 1, 0}).text1, "t2");
    EXPECT_TRUE(Menu().modified());

    EntryFields item = FieldsOf(At({0}));
    EXPECT_EQ(DescriptionOf(item), "desc");
    PutDescription(item, "d2");
    SetFolderDepth(item, 300);  // only the low byte reaches the bits
    EXPECT_EQ(item.flags, ITEM_MENUBREAK | ITEM_SHOWFOLDER | (300u & 0xFF) << 16);
    EXPECT_FALSE(ValidFolderDepth(256) || ValidFolderDepth(-1));
    EXPECT_TRUE(ValidFolderDepth(0) && ValidFolderDepth(255));
    ASSERT_TRUE(edit.SetFields({0}, item));
    EXPECT_EQ(At({0}).text2, "d2");
    EXPECT_EQ(At({0}).text1, "c:\\w");
    ExpectUndoneWhole();
}

TEST_F(EntryEdits, EachChangeOfKindKeepsAndClearsItsFields)
{
    MenuEntry group = ConvertedEntry(At({0}), kGroupNode, texts);  // no folder bits on a group
    EXPECT_EQ(FieldsOf(group), (EntryFields{"desc", "", "", "i.ico", 2, ITEM_POPUP | ITEM_MENUBREAK}));
    EXPECT_TRUE(group.submenu && group.submenu->entries.empty());
    MenuEntry separator = ConvertedEntry(At({1}), kSeparatorNode, texts);
    EXPECT_EQ(FieldsOf(separator), (EntryFields{"g", "", "", "", 0, ITEM_SEPARATOR}));
    EXPECT_FALSE(separator.submenu);
    EXPECT_EQ(FieldsOf(ConvertedEntry(At({3}), kTitleNode, texts)),
              (EntryFields{"s", "", "", "", 0, ITEM_STATIC}));
    EXPECT_EQ(FieldsOf(ConvertedEntry(At({2}), kCommandNode, texts)),
              (EntryFields{"Ombrixm.exe", "t3", "", "", 0, ITEM_MENUBREAK}));
    EXPECT_EQ(ConvertedEntry(MenuEntry{}, kCommandNode, texts).text2, "新規メニュー");

    ASSERT_TRUE(edit.Replace({1}, std::move(separator), StepKind::KindChange));  // the group's entries go with it
    EXPECT_FALSE(At({1}).submenu);
    EXPECT_FALSE(edit.Replace({9}, MenuEntry{}, StepKind::KindChange));
    ExpectUndoneWhole();
}

TEST_F(EntryEdits, ANewPathClearsTheOtherTextsAndKeepsTheFlags)
{
    EXPECT_EQ(FieldsOf(WithNewPath(At({0}), "d:\\n.exe")),
              (EntryFields{"d:\\n.exe", "", "", "", 0, At({0}).flags}));
}

TEST_F(EntryEdits, ColoursReachEveryTitleWithOtherColoursInsideGroupsToo)
{
    EXPECT_EQ(FormatTitleColours(ColoursOf(FieldsOf(At({1, 0})))), "/0/255/1/4");
    EXPECT_EQ(FormatTitleColours(ColoursOf(FieldsOf(At({2})))), "/1/7/1/4");
    std::string red = "/0/255/1/4";
    auto edits = RecolourAllTitles(Root(), red);
    ASSERT_EQ(edits.size(), 3u);  // t1 as text differs, t2 nested two deep, t3
    ASSERT_TRUE(edit.SetFields(edits, StepKind::AllTitles));
    for (const EntryPath& title : {EntryPath{1, 0}, {1, 1, 0}, {2}})
        EXPECT_EQ(At(title).parameters, red);
    EXPECT_EQ(At({2}).flags, ITEM_STATIC | ITEM_MENUBREAK);
    EXPECT_TRUE(RecolourAllTitles(Root(), red).empty());
    ASSERT_TRUE(history.Undo(model));  // one change for all of them
    EXPECT_TRUE(SameTree(Root(), *before));
}

TEST(OverlongEntry, ALineLongerThanTheResidentReadsWholeIsFoundWithItsIndentation)
{
    menufile::MenuWriter writer({});
    auto names = [](const MenuEntry&) { return std::string("shell name"); };
    MenuEntry item;
    item.text1 = "a.exe";
    item.text2 = "d";
    size_t bare = writer.EntryText(item).size() - 2;  // without CR LF
    item.text2 += std::string(kLongestMenuLine - 4 - bare, 'x');  // 511 bytes once indented one level
    MenuList root;
    root.entries.push_back(CopyEntry(item));
    EXPECT_EQ(FindOverlongEntry(root, names), nullptr);

    MenuEntry group;
    group.flags = ITEM_POPUP;
    group.text1 = "g";
    group.submenu = std::make_unique<MenuList>();
    group.submenu->entries.push_back(CopyEntry(item));  // one level deeper: four bytes more
    root.entries.push_back(std::move(group));
    EXPECT_EQ(FindOverlongEntry(root, names), &root.entries[1].submenu->entries[0]);

    root.entries[1].text1 = std::string(kLongestMenuLine, 'g');  // the group's own line comes first
    EXPECT_EQ(FindOverlongEntry(root, names), &root.entries[1]);
    root.entries[0].text2 += "x";
    EXPECT_EQ(FindOverlongEntry(root, names), &root.entries[0]);

    MenuList unnamed;  // a command item without description is written with its shell name
    unnamed.entries.emplace_back().text1 = "a.exe";
    EXPECT_EQ(FindOverlongEntry(unnamed, names), nullptr);
    auto longName = [](const MenuEntry&) { return std::string(kLongestMenuLine, 'n'); };
    EXPECT_EQ(FindOverlongEntry(unnamed, longName), &unnamed.entries[0]);
}
