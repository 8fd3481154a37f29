// A popup shown for display only, as the editor's test display shows a
// menu: every entry carries one id, folder submenus fill as they open with
// that id too, and choosing an entry starts nothing.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/folders/display_popup.h"
#include "resident/folders/folder_registry.h"
#include "resident/menus/popup_menu.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"

using namespace resident;
using namespace menus_test;

TEST(DisplayPopup, EveryEntryCarriesTheDisplayIdFoldersFillAndAChoiceStartsNothing)
{
    win32::ComScope com;
    OwnerWindow owner;
    testing_support::TempFolder temp("display");
    std::string program = temp / "run.exe";
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", program));
    menufile::MenuList list;
    list.entries.push_back(Command(program, "&Run"));
    list.entries.push_back(Separator("s"));
    list.entries.push_back(Title("t", ""));
    list.entries.push_back(Popup("p", {}));
    list.entries.back().submenu->entries.push_back(Command("C:\\x.exe", "x"));
    list.entries.push_back(Command(temp.path(), "folder"));
    list.entries.back().flags = menufile::ITEM_SHOWFOLDER;
    MenuContext context = Context();
    context.owner = owner.get();

    EntryIds ids = EntryIds::DisplayOnly();
    FolderRegistry folders;
    {
        PopupMenu popup(context, list, MENU_SHOW_TEXT, 0, ids, &folders);
        HMENU root = popup.root().handle();
        for (int position : {0, 1, 2})
            EXPECT_EQ(GetMenuItemID(root, position), kDisplayOnlyId) << position;
        EXPECT_EQ(GetMenuItemID(ItemAt(root, 3).submenu, 0), kDisplayOnlyId);
        HMENU folder = ItemAt(root, 4).submenu;
        EXPECT_EQ(GetMenuItemCount(folder), 0) << "filled when it opens";
        ASSERT_EQ(folders.MenuOpened(folder), 3) << "the header, its separator and run.exe";
        for (int position = 0; position < 3; ++position)
            EXPECT_EQ(GetMenuItemID(folder, position), kDisplayOnlyId) << position;
    }

    UINT_PTR key = After(400, [&] { PressKey(owner.get(), 'r', true); });
    UINT_PTR guard = After(8000, [] { EndMenu(); });
    EXPECT_EQ(ShowDisplayPopup(context, list, MENU_SHOW_TEXT, 0, {60, 60}), kDisplayOnlyId);
    Cancel(key);
    Cancel(guard);
    EXPECT_FALSE(testing_support::WaitFor([&] { return GetFileAttributesA((temp / "run.log").c_str()) != INVALID_FILE_ATTRIBUTES; }, 2000));
}
