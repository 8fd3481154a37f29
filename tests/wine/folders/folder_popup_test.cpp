// A folder submenu inside a tracked popup, as the tray shows it: the menu
// hook hands WM_INITMENUPOPUP to the registry, the submenu fills when the
// keyboard opens it, and the chosen file entry starts its program.
#include "resident/launch/launcher.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_window_hook.h"
#include "tests/support/test_support.h"
#include "tests/wine/folders/folder_fixture.h"
#include "tests/wine/launch/launch_fixture.h"
#include "tests/wine/menus/menu_fixture.h"

namespace {

std::vector<WORD> pendingKeys;
HWND keyTarget = nullptr;

void CALLBACK PressNextKey(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (pendingKeys.empty()) {
        KillTimer(nullptr, timer);
        return;
    }
    menus_test::PressKey(keyTarget, pendingKeys.front());
    pendingKeys.erase(pendingKeys.begin());
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

TEST_F(FolderMenuTest, ChosenFileEntryOfAnOpenedSubmenuStartsItsProgram)
{
    testing_support::TempFolder temp("popup");
    std::string program = temp / "run me.exe";
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", program));

    menufile::MenuList list;
    list.entries.emplace_back();
    list.entries.back().text1 = temp.path();
    list.entries.back().flags = menufile::ITEM_SHOWFOLDER;
    resident::OwnerDrawMenu root(resident::MENU_SHOW_TEXT, 0);
    root.Attach(CreatePopupMenu());
    resident::CreatedMenus created;
    resident::MenuBuilder builder(launchMap, created, &registry);
    builder.Build(list, root);
    nextId = builder.nextId();
    HMENU folderMenu = GetSubMenu(root.handle(), 0);
    ASSERT_NE(folderMenu, nullptr);
    ASSERT_EQ(registry.MenuCount(), 1u);

    menus_test::OwnerWindow owner;
    UINT chosen = 0;
    {
        resident::MenuWindowHook hook(owner.get(), 0, &registry);
        // Select the folder entry, open it, pass the header, start the file.
        pendingKeys = {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
        keyTarget = owner.get();
        SetTimer(nullptr, 0, 400, &PressNextKey);
        SetTimer(nullptr, 0, 8000, &GiveUp);
        SetForegroundWindow(owner.get());
        chosen = static_cast<UINT>(TrackPopupMenu(root.handle(), TPM_RETURNCMD, 40, 40, 0, owner.get(), nullptr));
    }
    ASSERT_EQ(GetMenuItemCount(folderMenu), 3) << "header, separator and the program";
    EXPECT_EQ(chosen, 2001u);
    std::string launchString = launchMap.Find(static_cast<int>(chosen));
    ASSERT_FALSE(launchString.empty());
    std::string target = resident::LaunchTarget(launchString);
    ASSERT_EQ(target.compare(0, 3, "&0x"), 0);
    EXPECT_EQ(ReportOf([&] { resident::Launch(target, resident::LaunchParameters(launchString), &registry); }), "");
    std::vector<testing_support::RecordedStart> starts;
    testing_support::WaitFor([&] { return !(starts = testing_support::ReadRecorderLog(temp / "run me.log")).empty(); });
    EXPECT_EQ(starts.size(), 1u);

    // The popup is gone: its keys start nothing.
    registry.Clear();
    EXPECT_EQ(ReportOf([&] { resident::Launch(target, "", &registry); }),
              ExpectedReport("ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙが見つかりません。", target, 2));
}

}  // namespace
