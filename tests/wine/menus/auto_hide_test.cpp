// The menu window hook around a real TrackPopupMenu: routing to the menu
// objects, the auto-hide timer and the tray click that closes the menu.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_window_hook.h"
#include "resident/tray/tray_icon.h"

using namespace resident;

namespace {

struct OpenMenu {
    DWORD elapsedMs = 0;
    UINT chosen = 0;
};

// Shows a small owner-drawn popup with the hook installed; actions run from
// a thread timer while the menu's loop is running.
class AutoHide : public ::testing::Test {
protected:
    void SetUp() override
    {
        menus_test::PrepareApp();
        root.Attach(CreatePopupMenu());
        menufile::MenuList list;
        list.entries.push_back(menus_test::Command("C:\\a.exe", "&Alpha"));
        list.entries.push_back(menus_test::Command("C:\\b.exe", "&Beta"));
        MenuBuilder(launchMap, created, nullptr).Build(list, root);
    }

    OpenMenu Show(DWORD autoHideMs, UINT closeAfterMs)
    {
        MenuWindowHook hook(owner.get(), autoHideMs, nullptr);
        hookInUse = &hook;
        UINT_PTR stopper = SetTimer(nullptr, 0, closeAfterMs, &Stop);
        SetForegroundWindow(owner.get());
        DWORD start = GetTickCount();
        OpenMenu result;
        result.chosen = TrackPopupMenu(root.handle(), TPM_RETURNCMD, 100, 100, 0, owner.get(), nullptr);
        result.elapsedMs = GetTickCount() - start;
        KillTimer(nullptr, stopper);
        state = hook.state();
        hookInUse = nullptr;
        return result;
    }

    static void CALLBACK Stop(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        if (action)
            action();
        else
            EndMenu();
    }

    static void CALLBACK EndAfter(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        EndMenu();
    }
    static void CALLBACK Idle(HWND, UINT, UINT_PTR, DWORD)
    {
        if (hookInUse)
            SendMessageA(hookInUse->window(), WM_ENTERIDLE, MSGF_MENU, 0);
    }

    static inline void (*action)() = nullptr;
    static inline MenuWindowHook* hookInUse = nullptr;
    menus_test::OwnerWindow owner;
    LaunchMap launchMap;
    CreatedMenus created;
    OwnerDrawMenu root{MENU_SHOW_TEXT, 0};
    MenuWindowHook::State state = MenuWindowHook::NoPopupYet;
};

}  // namespace

TEST_F(AutoHide, MenuLeftAloneClosesAfterTheIdleTimeAndZeroNeverCloses)
{
    action = nullptr;
    // WM_ENTERIDLE every 100 ms, as a menu loop may send it: it is no user
    // activity, or an idle menu would never close.
    UINT_PTR idler = SetTimer(nullptr, 0, 100, &Idle);
    OpenMenu shown = Show(1000, 5000);
    EXPECT_EQ(shown.chosen, 0u);
    EXPECT_GE(shown.elapsedMs, 1000u);
    EXPECT_LE(shown.elapsedMs, 1500u + 200u) << "checked every 500 ms";

    shown = Show(0, 2500);
    KillTimer(nullptr, idler);
    EXPECT_GE(shown.elapsedMs, 2400u) << "only the test's own timer ended the menu";
}

TEST_F(AutoHide, TrayClickClosesOnlyAMenuTheUserTouched)
{
    // Untouched: the click is passed on and the menu stays until the
    // test's own stop.
    action = [] { SendMessageA(hookInUse->window(), TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDOWN); };
    DWORD start = GetTickCount();
    UINT_PTR ender = SetTimer(nullptr, 0, 1500, &EndAfter);
    Show(60000, 300);
    KillTimer(nullptr, ender);
    EXPECT_GE(GetTickCount() - start, 1400u);

    action = [] {
        SendMessageA(hookInUse->window(), WM_MENUSELECT, MAKEWPARAM(0, MF_OWNERDRAW), 0);
        SendMessageA(hookInUse->window(), TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDOWN);
    };
    OpenMenu touched = Show(60000, 300);
    EXPECT_LT(touched.elapsedMs, 1000u);
    EXPECT_EQ(state, MenuWindowHook::UserTouched);
    action = nullptr;
}
