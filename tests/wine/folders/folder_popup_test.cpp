// A folder submenu inside a tray popup: the menu hook hands
// WM_INITMENUPOPUP to the registry, the submenu fills when the keyboard
// opens it, the chosen file entry starts its program, and its key is refused
// once the popup is gone.
#include "resident/launch/launcher.h"
#include "resident/menus/launch_map.h"
#include "resident/tray/tray_popup.h"
#include "tests/support/test_support.h"
#include "tests/wine/folders/folder_fixture.h"
#include "tests/wine/launch/launch_fixture.h"
#include "tests/wine/menus/menu_fixture.h"

namespace {

TEST_F(FolderMenuTest, ChosenFileEntryOfAnOpenedSubmenuStartsItsProgram)
{
    testing_support::TempFolder temp("popup");
    std::string program = temp / "run me.exe";
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", program));
    menufile::MenuList list;
    list.entries.emplace_back();
    list.entries.back().text1 = temp.path();
    list.entries.back().flags = menufile::ITEM_SHOWFOLDER;
    menus_test::OwnerWindow owner;
    resident::TrayPopup popup;
    popup.menu = &list;
    popup.options = resident::MENU_SHOW_TEXT;
    popup.window = owner.get();

    // Select the folder entry, open it, pass the header, start the file.
    HWND window = owner.get();
    std::vector<UINT_PTR> timers;
    for (WORD key : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN})
        timers.push_back(menus_test::After(400 * (timers.size() + 1), [=] { menus_test::PressKey(window, key); }));
    timers.push_back(menus_test::After(8000, [] { EndMenu(); }));
    resident::SetFolderEntryLookup(&registry);
    int chosen = resident::ShowTrayPopup(popup, launchMap, &registry);
    resident::SetFolderEntryLookup(nullptr);
    for (UINT_PTR timer : timers)
        menus_test::Cancel(timer);
    EXPECT_EQ(chosen, 2001) << "after the header's id";
    EXPECT_EQ(testing_support::WaitForRecorderLog(temp / "run me.log").size(), 1u);

    // The popup is gone: its keys start nothing.
    std::string target = resident::LaunchTarget(launchMap.Find(chosen));
    ASSERT_EQ(target.compare(0, 3, "&0x"), 0);
    EXPECT_EQ(ReportOf([&] { resident::Launch(target, "", &registry); }), NotFoundReport(target));
}

}  // namespace
