// The menu editing operations: the tree each one leaves, the model compared
// whole after undo and redo, the moves' limits and the refused drags.
#include <gtest/gtest.h>
#include <random>

#include "editor/section/menu_operations.h"
#include "model_fakes.h"

using namespace editor;
using namespace menufile;

namespace {

// "a" a command item, "#t" a title, "-" a separator, "g(...)" a group.
std::string Outline(const MenuList& list)
{
    std::string text;
    for (const MenuEntry& entry : list.entries) {
        text += text.empty() ? "" : " ";
        if (entry.IsSeparator())
            text += "-";
        else if (entry.IsTitle())
            text += "#" + entry.text1;
        else if (entry.IsPopup())
            text += entry.text1 + "(" + Outline(*entry.submenu) + ")";
        else
            text += entry.text2;
    }
    return text;
}

class MenuEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (uint64_t id : {7, 9}) {
            auto section = std::make_unique<Section>(id, SectionValues{});
            for (Side side : {kLeft, kRight}) {
                auto menu = std::make_unique<EditMenuFile>("", reports);
                ASSERT_TRUE(menu->LoadBytes("POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nPOPUP g\r\nBEGIN\r\n"
                                            "MENUITEM b.exe, b\r\nSTATIC t\r\nEND\r\nSEPARATOR\r\n"
                                            "MENUITEM c.exe, c\r\nPOPUP e\r\nBEGIN\r\nEND\r\nEND\r\n"));
                section->set_menu(side, std::move(menu));
            }
            model.Insert(model.size(), std::move(section));
        }
    }
    EditMenuFile& Menu(size_t position = 0, Side side = kRight) { return *model.section(position).menu(side); }
    std::string Tree() { return Outline(*Menu().root()); }

    editor_test::Reports reports;
    SettingsModel model;
    ChangeHistory history;
    MenuOperations edit{model, history, 7, kRight};
    NewEntryTexts texts{"Ombrixm.exe", "new", "title", "group"};
};

}  // namespace

TEST_F(MenuEditing, EachOperationLeavesTheExpectedTreeAndUndoesToTheWholeModelBefore)
{
    const std::string start = "a g(b #t) - c e()";
    ASSERT_EQ(Tree(), start);
    auto before = CopyTree(*Menu().root());
    std::vector<std::pair<EntryPath, std::string>> steps;
    auto step = [&](EntryPath selected) { steps.emplace_back(selected, Tree()); };

    step(edit.Insert(MakeNewEntry(NewEntryKind::Group, texts), {1, 0}));
    EXPECT_EQ(Tree(), "a g(b group(new) #t) - c e()");
    step(edit.Insert(MakeNewEntry(NewEntryKind::Title, texts), {}));
    step(edit.Insert(MakeNewEntry(NewEntryKind::Separator, texts), {0}));
    step(edit.Insert(MakeNewEntry(NewEntryKind::Command, texts), {9, 9}));
    EXPECT_EQ(Tree(), "a - g(b group(new) #t) - c e() #title new");
    step(edit.MoveInto({6}));  // the title into the empty group above it
    step(edit.MoveOut({2, 1}));
    step(edit.MoveUp({3}));
    step(edit.MoveDown({0}));
    EXPECT_EQ(Tree(), "- a group(new) g(b #t) - c e(#title) new");
    step(edit.CopyAfter({3}, {7}));
    step(edit.Delete({3}));
    EXPECT_EQ(steps.back().first, EntryPath{});
    step(edit.MoveAfter({2, 0}, {6}));
    EXPECT_EQ(Tree(), "- a group() - c e(#title) new new g(b #t)");
    EXPECT_EQ(steps.back().first, (EntryPath{7}));
    step(edit.SetDescription({1}, "A"));
    step(edit.SetDescription({8, 1}, "T"));
    EXPECT_EQ(Tree(), "- A group() - c e(#title) new new g(b #T)");
    EXPECT_EQ(Menu().root()->entries[8].submenu->entries.size(), 2u);
    EXPECT_TRUE(Menu().modified());
    EXPECT_FALSE(model.section(0).menu(kLeft)->modified());
    EXPECT_EQ(Outline(*model.section(1).menu(kRight)->root()), start);

    auto after = CopyTree(*Menu().root());
    model.Swap(0, 1);  // the changes find their section by its id
    Menu(1).set_modified(false);
    for (size_t i = steps.size(); i > 0; --i) {
        EXPECT_EQ(Outline(*Menu(1).root()), steps[i - 1].second);
        ASSERT_TRUE(history.Undo(model));
    }
    EXPECT_TRUE(SameTree(*Menu(1).root(), *before));
    EXPECT_TRUE(Menu(1).modified());  // the file no longer holds the model
    while (history.Redo(model)) {
    }
    EXPECT_TRUE(SameTree(*Menu(1).root(), *after));
}

TEST_F(MenuEditing, MovesAreOfferedOnlyWhereTheyCanBeDone)
{
    // Into, Out, Up, Down for each entry of a g(b #t) - c e() ("a" above "g"
    // is no group, nor "b" above "#t", nor "-" above "c"), then for paths
    // that lead nowhere.
    std::string offered;
    for (const EntryPath& path : {EntryPath{0}, {1}, {1, 0}, {1, 1}, {2}, {3}, {4}, {}, {5}, {0, 0}, {4, 0}})
        for (bool can :
             {edit.CanMoveInto(path), edit.CanMoveOut(path), edit.CanMoveUp(path), edit.CanMoveDown(path)})
            offered += can ? "1" : "0";
    EXPECT_EQ(offered, "0001" "0011" "0101" "0110" "1011" "0011" "0010" "0000" "0000" "0000" "0000");
    for (const EntryPath& nowhere : {EntryPath{}, EntryPath{5}, EntryPath{0, 0}, EntryPath{4, 0}}) {
        EXPECT_EQ(edit.MoveOut(nowhere), nowhere);
        EXPECT_EQ(edit.Delete(nowhere), nowhere);
    }
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(MenuEditing, DragsLandAfterTheTargetAndAGroupNeverIntoItself)
{
    EXPECT_EQ(edit.MoveAfter({1}, {1, 1}), (EntryPath{1}));  // into its own child: the copy would go too
    EXPECT_EQ(edit.MoveAfter({1}, {1}), (EntryPath{1}));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(edit.MoveAfter({0}, {3}), (EntryPath{3}));  // later in the same list
    EXPECT_EQ(Tree(), "g(b #t) - c a e()");
    EXPECT_EQ(edit.MoveAfter({0, 1}, {}), (EntryPath{5}));  // a root: the end of the root list
    EXPECT_EQ(edit.MoveAfter({4}, {}), (EntryPath{5}));
    EXPECT_EQ(Tree(), "g(b) - c a #t e()");
    EXPECT_EQ(edit.CopyAfter({0}, {0, 0}), (EntryPath{0, 1}));  // a group copied into itself is a copy
    EXPECT_EQ(Tree(), "g(b g(b)) - c a #t e()");
}

namespace {

void CollectPaths(const MenuList& list, EntryPath& at, std::vector<EntryPath>& paths)
{
    for (size_t i = 0; i < list.entries.size(); ++i) {
        at.push_back(i);
        paths.push_back(at);
        if (list.entries[i].submenu)
            CollectPaths(*list.entries[i].submenu, at, paths);
        at.pop_back();
    }
}

}  // namespace

TEST_F(MenuEditing, ALongRandomSessionUndoesToTheStartAndRedoesToTheEnd)
{
    std::mt19937 random(20261207);
    const std::string start = Tree();
    auto first = CopyTree(*Menu().root());
    std::vector<std::string> states{start};
    for (int n = 0; n < 3000; ++n) {
        std::vector<EntryPath> paths{EntryPath{}};
        EntryPath at;
        CollectPaths(*Menu().root(), at, paths);
        EntryPath path = paths[random() % paths.size()], other = paths[random() % paths.size()];
        size_t before = history.size();
        switch (random() % 8) {
        case 0: edit.Insert(MakeNewEntry(static_cast<NewEntryKind>(random() % 4), texts), path); break;
        case 1: edit.Delete(path); break;
        case 2: edit.MoveInto(path); break;
        case 3: edit.MoveOut(path); break;
        case 4: edit.MoveUp(path); break;
        case 5: edit.MoveAfter(path, other); break;
        case 6: edit.CopyAfter(path, other); break;
        default: edit.SetDescription(path, "d" + std::to_string(n)); break;
        }
        if (history.size() != before)
            states.push_back(Tree());
    }
    ASSERT_GT(states.size(), 1500u);
    ASSERT_LE(states.size() - 1, ChangeHistory::kMaxSteps);
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_EQ(Tree(), states[i]) << i;
        ASSERT_TRUE(history.Undo(model));
    }
    EXPECT_TRUE(SameTree(*Menu().root(), *first));
    EXPECT_FALSE(history.CanUndo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.Redo(model));
        ASSERT_EQ(Tree(), states[i]) << i;
    }
}
