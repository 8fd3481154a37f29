// One reading of the settings: which sections become icons, the day timer
// that lives as long as a calendar icon does (and the times it aims at), and
// the main window's events.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "resident/app.h"
#include "resident/main_window.h"
#include "resident/tray/day_timer.h"
#include "resources/resident/resource_ids.h"
#include "tests/wine/tray/tray_test_support.h"

using namespace resident;
using testing_support::WriteFileBytes;

namespace {

using TraySettingsReading = TrayTest;

constexpr int At(int hour, int minute, int second)
{
    return hour * 3600 + minute * 60 + second;
}

}  // namespace

TEST_F(TraySettingsReading, TrayNoSectionsInOrderThenTheAutoHideTime)
{
    auto tray = Load("[Main]\r\nTrayNo=2\r\nMenuAutoHide=3000\r\n[Section1]\r\nDesc=a\r\n"
                     "[Section2]\r\nFlags=2\r\n[Section3]\r\nFlags=1\r\n");
    EXPECT_EQ(tray->count(), 2);
    EXPECT_EQ(tray->icon(0).id(), 0);
    EXPECT_EQ(tray->icon(1).id(), 1);
    EXPECT_FALSE(tray->icon(0).HasPressedLook() == tray->icon(1).HasPressedLook());
    EXPECT_TRUE(tray->icon(1).IsLast());
    EXPECT_FALSE(tray->icon(0).IsLast());
    EXPECT_EQ(tray->menuAutoHide(), 3000);
    // [Section3] is not read: no calendar icon, no day timer.
    EXPECT_FALSE(tray->dayTimer().running());
}

TEST_F(TraySettingsReading, TheCountIsKeptBetweenNoneAndTheMost)
{
    EXPECT_EQ(Load("[Main]\r\nTrayNo=-2\r\n[Section1]\r\nDesc=a\r\n")->count(), 0);
    EXPECT_EQ(Load("[Main]\r\n")->count(), 0);
    EXPECT_EQ(Load("")->menuAutoHide(), 0);
    // A typo does not stall the start for minutes: 64 icons, the last one last.
    auto tray = Load("[Main]\r\nTrayNo=100000\r\n");
    ASSERT_EQ(tray->count(), 64);
    EXPECT_TRUE(tray->icon(63).IsLast());
}

TEST_F(TraySettingsReading, TheDayTimerRunsWhileACalendarIconExists)
{
    auto tray = Load("[Main]\r\nTrayNo=3\r\n[Section1]\r\n[Section2]\r\nFlags=1\r\n[Section3]\r\nFlags=3\r\n");
    EXPECT_TRUE(tray->dayTimer().running());
    int target = tray->dayTimer().target();
    EXPECT_TRUE(target == 86340 || target == 86390 || target == 86401) << target;

    tray->DayTick();
    EXPECT_TRUE(tray->dayTimer().running());
    tray.reset();
    EXPECT_FALSE(KillTimer(window_.get(), DAY_TIMER_ID));
}

TEST_F(TraySettingsReading, TheMainWindowHandsEventsToTheCurrentIcons)
{
    MainWindow::RegisterClass(GetModuleHandleA(nullptr));
    MainWindow main;
    ASSERT_TRUE(main.Create(GetModuleHandleA(nullptr)));
    HWND window = main.handle();
    // Before the first reload there are no icons to hand anything to.
    EXPECT_EQ(SendMessageA(window, TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONUP), 0);
    SendMessageA(window, WM_TIMECHANGE, 0, 0);

    // A description longer than a tip still gives an icon.
    ASSERT_TRUE(WriteFileBytes(temp_ / "Ombrix.ini", TraySections({"Desc=" + std::string(120, 'd'), "Flags=1"})));
    TheApp().settingsPath = temp_ / "Ombrix.ini";
    SendMessageA(window, WM_COMMAND, CMD_RELOAD, 0);
    ASSERT_TRUE(ShellKnowsIcon(window, 0)) << "no notification area in this session";
    EXPECT_EQ(SendMessageA(window, TRAY_CALLBACK_MESSAGE, 1, WM_LBUTTONUP), 1);
    EXPECT_EQ(SendMessageA(window, TRAY_CALLBACK_MESSAGE, 1, WM_MOUSEMOVE), 1);
    EXPECT_EQ(SendMessageA(window, TRAY_CALLBACK_MESSAGE, 2, WM_LBUTTONUP), 0);

    // A change of the clock and a wake-up re-arm the day timer.
    ASSERT_TRUE(KillTimer(window, DAY_TIMER_ID));
    SendMessageA(window, WM_TIMECHANGE, 0, 0);
    EXPECT_TRUE(KillTimer(window, DAY_TIMER_ID));
    SendMessageA(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_TRUE(KillTimer(window, DAY_TIMER_ID));

    // A new taskbar gets the icons again.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellKnowsIcon(window, 0));
    DestroyWindow(window);
    EXPECT_FALSE(ShellKnowsIcon(window, 0));
    EXPECT_FALSE(ShellKnowsIcon(window, 1));
    // The window's end posted the quit of the program, which would end the
    // next test's modal loops at once.
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Each firing aims again from where it fired: 23:59:00, 23:59:50, 00:00:01.
TEST(DayTimer, TargetsAtTheBoundaries)
{
    EXPECT_EQ(DayTimerTarget(At(0, 0, 0)), At(23, 59, 0));
    EXPECT_EQ(DayTimerTarget(At(23, 44, 0)), At(23, 59, 0));    // 16 whole minutes left
    EXPECT_EQ(DayTimerTarget(At(23, 44, 1)), At(23, 59, 50));   // 15 whole minutes left
    EXPECT_EQ(DayTimerTarget(At(23, 57, 59)), At(23, 59, 50));  // 2 whole minutes left
    EXPECT_EQ(DayTimerTarget(At(23, 58, 1)), 86401);            // 1 whole minute left
    EXPECT_EQ(DayTimerTarget(At(23, 59, 50)), 86401);
    // A timer that fires a little early is aimed at midnight again.
    EXPECT_EQ(DayTimerTarget(At(23, 59, 59)), 86401);
}
