// Building popups from menu models: ids, flags, records, launch strings,
// titles, folders and the settings submenu.
#include <gtest/gtest.h>
#include <algorithm>
#include "menu_fixture.h"
#include "resident/menus/folder_menu_source.h"
#include "resident/menus/launch_map.h"
#include "menufile/menu_file.h"
#include "resident/menus/menu_builder.h"
#include "resident/tray/tray_popup.h"
#include "resources/resident/resource_ids.h"
#include "tests/host/menufile/menufile_test_support.h"

using namespace resident;
using namespace menus_test;
using menufile::MenuList;

namespace {

class Building : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApp();
        NewRoot(MENU_SHOW_TEXT);
    }
    void NewRoot(int options)
    {
        root = std::make_unique<OwnerDrawMenu>(Context(), options, 0);
        root->Attach(CreatePopupMenu());
    }
    int Build(const MenuList& list, FolderMenuSource* folders = nullptr)
    {
        return MenuBuilder(ids, created, folders).Build(list, *root);
    }
    HMENU menu() const { return root->handle(); }

    LaunchMap launchMap;
    EntryIds ids{launchMap, SettingsCommands()};
    CreatedMenus created;
    std::unique_ptr<OwnerDrawMenu> root;
};

}  // namespace

TEST_F(Building, MenuFileTextGivesIdsDepthFirstRecordsAndLaunchStrings)
{
    menufile_test::RecordingMenuFile file;
    ASSERT_TRUE(file.LoadBytes("POPUP root\r\nBEGIN\r\n"
                               "MENUITEM C:\\a.exe,&Alpha,-x\r\n"
                               "SEPARATOR\r\n"
                               "STATIC Tools,,/0/255/1/15\r\n"
                               "POPUP More\r\nBEGIN\r\n"
                               "MENUITEM C:\\b.exe,Beta,-y\r\n"
                               "SEPARATOR Line\r\n"
                               "MENUITEM C:\\c.exe,Gamma,,,,MENUBREAK\r\n"
                               "STATIC Half,,/0/255\r\n"
                               "STATIC Plain\r\n"
                               "END\r\n"
                               "MENUITEM C:\\d.exe,Delta\r\n"
                               "END\r\n"));
    ASSERT_NE(file.root(), nullptr);
    EXPECT_EQ(Build(*file.root()), 5);
    ASSERT_EQ(GetMenuItemCount(menu()), 5);
    ItemInfo alpha = ItemAt(menu(), 0), line = ItemAt(menu(), 1), title = ItemAt(menu(), 2);
    ItemInfo more = ItemAt(menu(), 3);
    EXPECT_EQ(alpha.id, 2000u);
    EXPECT_EQ(alpha.data->kind, KIND_COMMAND);
    EXPECT_EQ(alpha.data->text, "&Alpha");
    EXPECT_FALSE(alpha.type & MFT_MENUBARBREAK);
    EXPECT_EQ(line.type & (MFT_SEPARATOR | MFT_OWNERDRAW), static_cast<UINT>(MFT_SEPARATOR | MFT_OWNERDRAW));
    EXPECT_EQ(line.data->kind, KIND_SEPARATOR);
    EXPECT_EQ(title.data->kind, KIND_TITLE);
    EXPECT_EQ(title.data->textColor, RGB(255, 0, 0));
    EXPECT_EQ(title.data->backgroundColor, GetSysColor(COLOR_3DFACE));
    EXPECT_TRUE(GetMenuState(menu(), 2, MF_BYPOSITION) & MF_DISABLED) << "titles cannot be chosen";
    EXPECT_EQ(more.data->kind, KIND_SUBMENU);
    EXPECT_EQ(more.data->text, "More");
    ASSERT_EQ(created.size(), 1u);
    ASSERT_EQ(more.submenu, created[0]->handle());
    EXPECT_EQ(ItemAt(more.submenu, 0).id, 2001u);
    EXPECT_EQ(ItemAt(more.submenu, 1).data->text, "Line");
    EXPECT_EQ(ItemAt(more.submenu, 2).id, 2002u);
    EXPECT_TRUE(ItemAt(more.submenu, 2).type & MFT_MENUBARBREAK);
    // Colours left out are the menu's own (which numbers are left out is the
    // title colour parse's test).
    const MenuItemData* plain = ItemAt(more.submenu, 4).data;
    EXPECT_EQ(plain->textColor, GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(plain->backgroundColor, GetSysColor(COLOR_MENU));
    EXPECT_EQ(ItemAt(menu(), 4).id, 2003u);

    ASSERT_EQ(launchMap.size(), 4u);
    EXPECT_EQ(launchMap.Find(2000), std::string("C:\\a.exe\0-x\0", 12));
    EXPECT_EQ(LaunchParameters(launchMap.Find(2001)), "-y");
    EXPECT_EQ(LaunchTarget(launchMap.Find(2003)), "C:\\d.exe");
    EXPECT_EQ(launchMap.Find(2004), "");

    AppendSettingsSubmenu(*root);
    ASSERT_EQ(GetMenuItemCount(menu()), 7);
    EXPECT_EQ(ItemAt(menu(), 5).type & (MFT_SEPARATOR | MFT_OWNERDRAW), static_cast<UINT>(MFT_SEPARATOR));
    ItemInfo settings = ItemAt(menu(), 6);
    ASSERT_NE(settings.data, nullptr);
    EXPECT_EQ(settings.data->text, "Q-Fendix");
    EXPECT_EQ(settings.data->kind, KIND_SUBMENU);
    EXPECT_EQ(GetMenuItemID(settings.submenu, 0), static_cast<UINT>(CMD_EDIT_MENUS));
    EXPECT_EQ(GetMenuItemID(settings.submenu, 1), static_cast<UINT>(CMD_RELOAD));
}

TEST_F(Building, ShellNamesMissingFilesAndPicturesOnlyWhenTheMenuShowsIcons)
{
    MenuList list;
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "n"));
    list.entries.push_back(Title("t", ""));
    list.entries.push_back(Popup("p"));
    list.entries.push_back(Command("Z:\\no\\such\\file.exe"));
    list.entries.push_back(Command("&#0"));
    for (bool icons : {false, true}) {
        NewRoot(icons ? MENU_SHOW_ICONS | MENU_SHOW_TEXT : MENU_SHOW_TEXT);
        Build(list);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(ItemAt(menu(), i).data->image >= 0, icons) << i;
    }
    EXPECT_EQ(root->icons()->size(), 5u);
    EXPECT_EQ(ItemAt(menu(), 3).data->text, "ファイルが見つかりません");
    EXPECT_FALSE(ItemAt(menu(), 4).data->text.empty()) << "the shell's name of the desktop";
    EXPECT_NE(ItemAt(menu(), 4).data->text, "ファイルが見つかりません");
}

namespace {

// Stands in for the folder registry: takes the submenus of one path.
class RecordingFolders : public FolderMenuSource {
public:
    void Prepare(const MenuContext&, int, int) override {}
    bool Register(std::unique_ptr<OwnerDrawMenu>& submenu, const std::string& path, int depth) override
    {
        registered.push_back(path + "@" + std::to_string(depth));
        if (path != "C:\\folder")
            return false;
        taken.push_back(std::move(submenu));
        return true;
    }
    void SetIdSource(EntryIds*) override {}
    int MenuOpened(HMENU) override { return 0; }
    void Clear() override { taken.clear(); }

    std::vector<std::string> registered;
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

    EXPECT_EQ(folders.registered, (std::vector<std::string>{"C:\\folder@2", "C:\\file.txt@0"}));
    ASSERT_EQ(folders.taken.size(), 1u);
    EXPECT_EQ(ItemAt(menu(), 0).submenu, folders.taken[0]->handle());
    EXPECT_EQ(ItemAt(menu(), 0).data->kind, KIND_SUBMENU);
    ASSERT_EQ(created.size(), 1u) << "the unresolved folder stays with the popup";
    EXPECT_EQ(ItemAt(menu(), 1).submenu, created[0]->handle());
    EXPECT_EQ(GetMenuItemCount(created[0]->handle()), 0);
    EXPECT_EQ(ItemAt(menu(), 2).id, 2000u);
}

TEST_F(Building, DeepNestingIsBuiltAndDestroyedWithoutRecursion)
{
    // Each level would cost a frame of a recursive builder and of the
    // system's own recursive DestroyMenu.
    constexpr int depth = 8000;
    MenuList list;
    MenuList* level = &list;
    for (int i = 0; i < depth; ++i) {
        level->entries.push_back(Popup("p"));
        level = level->entries.back().submenu.get();
    }
    level->entries.push_back(Command("C:\\deep.exe", "deep"));
    Build(list);
    AppendSettingsSubmenu(*root);
    EXPECT_EQ(created.size(), static_cast<size_t>(depth));
    EXPECT_EQ(launchMap.size(), 1u);
    HMENU first = created.front()->handle(), deepest = created.back()->handle();
    HMENU rootMenu = menu(), settings = ItemAt(rootMenu, 2).submenu;
    EXPECT_EQ(ItemAt(deepest, 0).id, 2000u);
    created.clear();
    EXPECT_FALSE(IsMenu(first));
    EXPECT_FALSE(IsMenu(deepest));
    root.reset();
    EXPECT_FALSE(IsMenu(rootMenu));
    EXPECT_FALSE(IsMenu(settings));
}

TEST_F(Building, AHugePopupGivesEachEntryItsOwnIdNeverAResidentCommand)
{
    // More entries than a menu has ids: the 16-bit ids used to wrap onto
    // the settings commands and onto each other.
    constexpr int groups = 70, perGroup = 940;
    MenuList list;
    for (int g = 0; g < groups; ++g) {
        std::vector<menufile::MenuEntry> entries;
        for (int i = 0; i < perGroup; ++i)
            entries.push_back(Command("C:\\e" + std::to_string(g * perGroup + i) + ".exe", "e"));
        list.entries.push_back(Popup("g", std::move(entries)));
    }
    Build(list);
    std::vector<bool> seen(0x10000);
    int enabled = 0, disabled = 0, wrong = 0;
    for (int g = 0; g < groups; ++g) {
        HMENU group = created[g]->handle();
        for (int i = 0; i < perGroup; ++i) {
            UINT id = GetMenuItemID(group, i);
            if (GetMenuState(group, i, MF_BYPOSITION) & MF_GRAYED) {
                disabled += id == 0;
                continue;
            }
            ++enabled;
            const std::vector<UINT>& commands = SettingsCommands();
            bool own = std::find(commands.begin(), commands.end(), id) == commands.end() && id != 0 && !seen[id];
            std::string target = "C:\\e" + std::to_string(g * perGroup + i) + ".exe";
            wrong += !own || LaunchTarget(launchMap.Find(static_cast<int>(id))) != target;
            seen[id] = true;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(enabled, 0xFFFF - 5) << "every id but the five settings commands";
    EXPECT_EQ(disabled, groups * perGroup - enabled) << "the rest are shown disabled, without an id";
    EXPECT_EQ(ItemAt(created[0]->handle(), 0).id, 2000u) << "ids start at 2000 in file order";
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
}

TEST_F(Building, IconNumberMinusOneFallsBackToTheShellsPictureInBothSizes)
{
    MenuList list;
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "n"));
    list.entries.back().iconPath = testing_support::SystemFile("shell32.dll");
    list.entries.back().iconNumber = -1;
    for (int size : {int(MENU_LARGE_ICONS), 0}) {
        NewRoot(MENU_SHOW_ICONS | MENU_SHOW_TEXT | size);
        Build(list);
        int picture = ItemAt(menu(), 0).data->image;
        ASSERT_GE(picture, 0);
        EXPECT_FALSE(root->icons()->IsIcon(picture)) << "the icon count is no icon";
        EXPECT_GE(root->icons()->IndexOf(picture), 0);
    }
}
