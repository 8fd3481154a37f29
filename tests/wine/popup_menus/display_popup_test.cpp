// A popup shown for display only, as the editor's test display shows a
// menu from the library alone: every entry carries one id, folder submenus
// fill as they open with that id too, and choosing an entry starts nothing.
#include <gtest/gtest.h>
#include "resident/folders/display_popup.h"
#include "resident/folders/folder_registry.h"
#include "resident/menus/popup_menu.h"
#include "tests/host/menufile/menufile_test_support.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/system_image_lists.h"

using namespace resident;

using menufile_test::Entry;

TEST(DisplayPopup, EveryEntryCarriesTheDisplayIdFoldersFillAndAChoiceStartsNothing)
{
    win32::ComScope com;
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    testing_support::TempFolder temp("display");
    std::string program = temp / "run.exe";
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", program));
    menufile::MenuList list;
    list.entries.push_back(Entry(0, program, "&Run"));
    list.entries.push_back(Entry(menufile::ITEM_SEPARATOR, "s"));
    list.entries.push_back(Entry(menufile::ITEM_STATIC, "t"));
    list.entries.push_back(menufile_test::Popup("p", "", 0, Entry(0, "C:\\x.exe", "x")));
    list.entries.push_back(Entry(menufile::ITEM_SHOWFOLDER, temp.path(), "folder"));
    win32::SystemImageLists lists = win32::AttachSystemImageLists();
    MenuContext context{GetModuleHandleA(nullptr), owner, "test", lists.largeIcons, lists.smallIcons, "?", 0};

    EntryIds ids = EntryIds::DisplayOnly();
    FolderRegistry folders;
    {
        PopupMenu popup(context, list, 0x50000, 0, ids, &folders);
        HMENU root = popup.root().handle();
        for (int position : {0, 1, 2})
            EXPECT_EQ(GetMenuItemID(root, position), kDisplayOnlyId) << position;
        EXPECT_EQ(GetMenuItemID(GetSubMenu(root, 3), 0), kDisplayOnlyId);
        HMENU folder = GetSubMenu(root, 4);
        EXPECT_EQ(GetMenuItemCount(folder), 0) << "filled when it opens";
        ASSERT_EQ(folders.MenuOpened(folder), 3) << "the header, its separator and run.exe";
        for (int position = 0; position < 3; ++position)
            EXPECT_EQ(GetMenuItemID(folder, position), kDisplayOnlyId) << position;
    }

    testing_support::After(400, [owner] { testing_support::PressKey(owner, 'r', true); });
    UINT_PTR guard = testing_support::After(8000, [] { EndMenu(); });
    EXPECT_EQ(ShowDisplayPopup(context, list, 0x50000, 0, {60, 60}), kDisplayOnlyId);
    testing_support::Cancel(guard);
    EXPECT_FALSE(testing_support::WaitFor([&] { return testing_support::FileExists(temp / "run.log"); }, 2000));
    DestroyWindow(owner);
}
