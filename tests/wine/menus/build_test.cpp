// Building popups from menu models: ids, flags, records, launch strings,
// titles, folders and the settings submenu.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/menus/folder_menu_source.h"
#include "resident/menus/launch_map.h"
#include "menufile/menu_file.h"
#include "resident/menus/menu_builder.h"
#include "resources/resident/resource_ids.h"

using namespace resident;
using namespace menus_test;
using menufile::MenuList;

namespace {

class Building : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApp();
        root = std::make_unique<OwnerDrawMenu>(MENU_SHOW_TEXT, 0);
        root->Attach(CreatePopupMenu());
    }
    int Build(const MenuList& list, FolderMenuSource* folders = nullptr)
    {
        MenuBuilder builder(launchMap, created, folders);
        int processed = builder.Build(list, *root);
        nextId = builder.nextId();
        return processed;
    }
    HMENU menu() const { return root->handle(); }

    LaunchMap launchMap;
    CreatedMenus created;
    std::unique_ptr<OwnerDrawMenu> root;
    int nextId = 0;
};


}  // namespace

TEST_F(Building, IdsGoDepthFirstFrom2000AndSkipTitlesAndSeparators)
{
    std::vector<menufile::MenuEntry> inner;
    inner.push_back(Command("C:\\in1.exe", "in1", "-x"));
    inner.push_back(Command("C:\\in2.exe", "in2"));
    MenuList list;
    list.entries.push_back(Command("C:\\a.exe", "a", "one two"));
    list.entries.push_back(Separator());
    list.entries.push_back(Popup("sub", std::move(inner)));
    list.entries.push_back(Title("head", ""));
    list.entries.push_back(Command("C:\\b.exe", "b"));

    EXPECT_EQ(Build(list), 5);
    EXPECT_EQ(nextId, 2004);
    ASSERT_EQ(GetMenuItemCount(menu()), 5);
    EXPECT_EQ(ItemAt(menu(), 0).id, 2000u);
    EXPECT_EQ(ItemAt(menu(), 4).id, 2003u);
    ItemInfo popup = ItemAt(menu(), 2);
    ASSERT_NE(popup.submenu, nullptr);
    EXPECT_EQ(ItemAt(popup.submenu, 0).id, 2001u);
    EXPECT_EQ(ItemAt(popup.submenu, 1).id, 2002u);
    EXPECT_EQ(created.size(), 1u);

    EXPECT_EQ(ItemAt(menu(), 0).data->kind, KIND_COMMAND);
    EXPECT_EQ(ItemAt(menu(), 0).data->text, "a");
    EXPECT_TRUE(ItemAt(menu(), 1).type & MFT_SEPARATOR);
    EXPECT_TRUE(ItemAt(menu(), 1).type & MFT_OWNERDRAW);
    EXPECT_EQ(ItemAt(menu(), 1).data->kind, KIND_SEPARATOR);
    EXPECT_EQ(popup.data->kind, KIND_SUBMENU);
    EXPECT_EQ(popup.data->text, "sub");
    EXPECT_EQ(ItemAt(menu(), 3).data->kind, KIND_TITLE);

    ASSERT_EQ(launchMap.size(), 4u);
    EXPECT_EQ(launchMap.Find(2000), std::string("C:\\a.exe\0one two\0", 17));
    EXPECT_EQ(LaunchParameters(launchMap.Find(2001)), "-x");
    EXPECT_EQ(LaunchTarget(launchMap.Find(2003)), "C:\\b.exe");
    EXPECT_EQ(launchMap.Find(2004), "");
}

TEST_F(Building, FlagsReachTheMenuAsTheirMenuFlags)
{
    MenuList list;
    list.entries.push_back(Command("C:\\a.exe", "a"));
    list.entries.push_back(Command("C:\\b.exe", "b"));
    list.entries.back().flags = menufile::ITEM_MENUBREAK;
    list.entries.push_back(Title("t", ""));
    Build(list);
    EXPECT_FALSE(ItemAt(menu(), 0).type & MFT_MENUBARBREAK);
    EXPECT_TRUE(ItemAt(menu(), 1).type & MFT_MENUBARBREAK);
    EXPECT_TRUE(GetMenuState(menu(), 2, MF_BYPOSITION) & MF_DISABLED) << "titles cannot be chosen";
}

TEST_F(Building, TitleColoursAndTheirDefaults)
{
    TitleColours red = ParseTitleColours("/0/255/1/15");
    EXPECT_EQ(red.text, RGB(255, 0, 0));
    EXPECT_EQ(red.background, GetSysColor(COLOR_3DFACE));
    TitleColours half = ParseTitleColours("/0/255");
    EXPECT_EQ(half.text, RGB(255, 0, 0));
    EXPECT_EQ(half.background, GetSysColor(COLOR_MENU));
    TitleColours none = ParseTitleColours("");
    EXPECT_EQ(none.text, GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(none.background, GetSysColor(COLOR_MENU));
    EXPECT_EQ(ParseTitleColours("/0/65280/0/0").background, RGB(0, 0, 0));
}

TEST_F(Building, DisplayTextComesFromTheShellOrSaysTheFileIsMissing)
{
    MenuList list;
    list.entries.push_back(Command("Z:\\no\\such\\file.exe"));
    list.entries.push_back(Command("&#0"));
    Build(list);
    EXPECT_EQ(ItemAt(menu(), 0).data->text, "ファイルが見つかりません");
    EXPECT_FALSE(ItemAt(menu(), 1).data->text.empty());
    EXPECT_NE(ItemAt(menu(), 1).data->text, "ファイルが見つかりません");
}

TEST_F(Building, PicturesOnlyWhenTheMenuShowsIcons)
{
    MenuList list;
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "n"));
    list.entries.push_back(Title("t", ""));
    list.entries.push_back(Popup("p"));
    list.entries.push_back(Command("Z:\\missing.exe", "m"));
    Build(list);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ItemAt(menu(), i).data->image, -1);

    root = std::make_unique<OwnerDrawMenu>(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0);
    root->Attach(CreatePopupMenu());
    Build(list);
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(ItemAt(menu(), i).data->image, 0) << "entry " << i;
    EXPECT_EQ(root->icons()->size(), 4u);
}

namespace {

// Stands in for the folder registry: takes the submenus of one path.
class RecordingFolders : public FolderMenuSource {
public:
    void Prepare(int, int) override {}
    bool Register(std::unique_ptr<OwnerDrawMenu>& submenu, const std::string& path, int depth) override
    {
        paths.push_back(path);
        depths.push_back(depth);
        if (path != "C:\\folder")
            return false;
        taken.push_back(std::move(submenu));
        return true;
    }
    void SetIdSource(LaunchMap*, int*) override {}
    int MenuOpened(HMENU) override { return 0; }
    void Clear() override { taken.clear(); }

    std::vector<std::string> paths;
    std::vector<int> depths;
    std::vector<std::unique_ptr<OwnerDrawMenu>> taken;
};

}  // namespace

TEST_F(Building, FolderEntriesBecomeEmptySubmenusAndTakeNoId)
{
    RecordingFolders folders;
    MenuList list;
    list.entries.push_back(Command("C:\\folder", "f"));
    list.entries.back().flags = menufile::ITEM_SHOWFOLDER | (2 << menufile::kFolderOptionShift);
    list.entries.push_back(Command("C:\\file.txt", "g"));
    list.entries.back().flags = menufile::ITEM_SHOWFOLDER;
    list.entries.push_back(Command("C:\\a.exe", "a"));
    Build(list, &folders);

    EXPECT_EQ(folders.paths, (std::vector<std::string>{"C:\\folder", "C:\\file.txt"}));
    EXPECT_EQ(folders.depths, (std::vector<int>{2, 0}));
    ASSERT_EQ(folders.taken.size(), 1u);
    EXPECT_EQ(ItemAt(menu(), 0).submenu, folders.taken[0]->handle());
    ASSERT_EQ(created.size(), 1u) << "the unresolved folder stays with the popup";
    EXPECT_EQ(ItemAt(menu(), 1).submenu, created[0]->handle());
    EXPECT_EQ(GetMenuItemCount(created[0]->handle()), 0);
    EXPECT_EQ(ItemAt(menu(), 2).id, 2000u);
    EXPECT_EQ(ItemAt(menu(), 0).data->kind, KIND_SUBMENU);
}

TEST_F(Building, SettingsSubmenuEndsTheMenu)
{
    MenuList list;
    list.entries.push_back(Command("C:\\a.exe", "a"));
    Build(list);
    AppendSettingsSubmenu(*root);
    ASSERT_EQ(GetMenuItemCount(menu()), 3);
    ItemInfo separator = ItemAt(menu(), 1);
    EXPECT_TRUE(separator.type & MFT_SEPARATOR);
    EXPECT_FALSE(separator.type & MFT_OWNERDRAW);
    ItemInfo settings = ItemAt(menu(), 2);
    ASSERT_NE(settings.submenu, nullptr);
    ASSERT_NE(settings.data, nullptr);
    EXPECT_EQ(settings.data->text, "Q-Fendix");
    EXPECT_EQ(settings.data->kind, KIND_SUBMENU);
    EXPECT_EQ(GetMenuItemID(settings.submenu, 0), static_cast<UINT>(CMD_EDIT_MENUS));
    EXPECT_EQ(GetMenuItemID(settings.submenu, 1), static_cast<UINT>(CMD_RELOAD));
}

TEST_F(Building, DestructionLeavesNoMenuBehind)
{
    std::vector<menufile::MenuEntry> inner;
    inner.push_back(Command("C:\\in.exe", "in"));
    MenuList list;
    list.entries.push_back(Popup("sub", std::move(inner)));
    Build(list);
    AppendSettingsSubmenu(*root);
    HMENU rootMenu = menu();
    HMENU sub = created[0]->handle();
    HMENU settings = ItemAt(rootMenu, 2).submenu;
    created.clear();
    EXPECT_FALSE(IsMenu(sub));
    root.reset();
    EXPECT_FALSE(IsMenu(rootMenu));
    EXPECT_FALSE(IsMenu(settings));
}

TEST_F(Building, DeepNestingIsBuiltAndDestroyedWithoutRecursion)
{
    // Each level would cost a frame of a recursive builder and of the
    // system's own recursive DestroyMenu.
    constexpr int depth = 8000;
    MenuList list;
    MenuList* level = &list;
    for (int i = 0; i < depth; ++i) {
        menufile::MenuEntry popup;
        popup.text1 = "p";
        popup.flags = menufile::ITEM_POPUP;
        popup.submenu = std::make_unique<MenuList>();
        MenuList* next = popup.submenu.get();
        level->entries.push_back(std::move(popup));
        level = next;
    }
    level->entries.push_back(Command("C:\\deep.exe", "deep"));
    Build(list);
    EXPECT_EQ(created.size(), static_cast<size_t>(depth));
    EXPECT_EQ(launchMap.size(), 1u);
    HMENU deepest = created.back()->handle();
    EXPECT_EQ(ItemAt(deepest, 0).id, 2000u);
    created.clear();
    root.reset();
    EXPECT_FALSE(IsMenu(deepest));
}

TEST(LaunchMapStrings, LowSixteenBitsReplacementAndOrder)
{
    LaunchMap map;
    map.Put(2001, "b", "");
    map.Put(2000 + 65536, "a", "p");
    EXPECT_EQ(map.Find(2000), std::string("a\0p\0", 4)) << "ids are kept by their low 16 bits";
    map.Put(2001, "c", "q");
    EXPECT_EQ(map.Find(2001), std::string("c\0q\0", 4));
    EXPECT_EQ(map.size(), 2u);
    map.Put(5, "early", "");
    EXPECT_EQ(LaunchTarget(map.Find(5)), "early");
    EXPECT_EQ(LaunchTarget(map.Find(2000)), "a");
    EXPECT_EQ(map.Find(6), "");
    map.Clear();
    EXPECT_EQ(map.Find(2000), "");
    EXPECT_EQ(map.size(), 0u);
}

namespace {

class SilentMenuFile : public menufile::MenuFile {
public:
    SilentMenuFile() : MenuFile("", 0, MENU_SHOW_TEXT) {}
    int errors = 0;

protected:
    void ReportError(int, const menufile::ReportArgs&) override { ++errors; }
    void ReportFileError(menufile::FileFailure, int) override { ++errors; }
};

}  // namespace

TEST_F(Building, MenuFileTextBuildsTheSameTree)
{
    SilentMenuFile file;
    ASSERT_TRUE(file.LoadBytes("POPUP root\r\nBEGIN\r\n"
                               "MENUITEM C:\\a.exe,&Alpha,-x\r\n"
                               "STATIC Tools,,/0/255/1/15\r\n"
                               "POPUP More\r\nBEGIN\r\n"
                               "MENUITEM C:\\b.exe,Beta\r\n"
                               "SEPARATOR Line\r\n"
                               "MENUITEM C:\\c.exe,Gamma,,,,MENUBREAK\r\n"
                               "END\r\n"
                               "MENUITEM C:\\d.exe,Delta\r\n"
                               "END\r\n"));
    ASSERT_NE(file.root(), nullptr);
    EXPECT_EQ(Build(*file.root()), 4);
    EXPECT_EQ(nextId, 2004);
    EXPECT_EQ(ItemAt(menu(), 0).data->text, "&Alpha");
    EXPECT_EQ(ItemAt(menu(), 1).data->textColor, RGB(255, 0, 0));
    EXPECT_EQ(ItemAt(menu(), 1).data->backgroundColor, GetSysColor(COLOR_3DFACE));
    HMENU more = ItemAt(menu(), 2).submenu;
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(ItemAt(more, 0).id, 2001u);
    EXPECT_EQ(ItemAt(more, 1).data->text, "Line");
    EXPECT_EQ(ItemAt(more, 2).id, 2002u);
    EXPECT_TRUE(ItemAt(more, 2).type & MFT_MENUBARBREAK);
    EXPECT_EQ(ItemAt(menu(), 3).id, 2003u);
    EXPECT_EQ(LaunchParameters(launchMap.Find(2000)), "-x");
}
