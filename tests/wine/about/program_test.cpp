// Ombrixa.exe started with the setup flag in the wrong case: it shows the
// version box, does no setup, finds its help file beside itself for F1, and
// ends when the box is closed. (Started without an argument it is the
// screen test's.)
#include <gtest/gtest.h>
#include <windows.h>
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

// F1 as the user presses it, with the box in front.
void PressF1(HWND box)
{
    SetForegroundWindow(box);
    WaitFor([&] { return GetForegroundWindow() == box; });
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
}

TEST(AboutProgram, AWrongCaseFlagShowsTheVersionBoxWithItsHelpAndNoSetup)
{
    TempFolder temp("ombrixa_about");
    ASSERT_TRUE(CopyFileTo(BinaryFolder() + "Ombrixa.exe", temp / "Ombrixa.exe"));
    ASSERT_TRUE(CopyFileTo(BinaryFolder() + "Ombrix.chm", temp / "Ombrix.chm"));
    // Stands in for the resident, which only a setup run would start.
    ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", temp / "Ombrix.exe"));
    ChildProcess program("\"" + temp / "Ombrixa.exe" + "\" /PT", temp.path());
    HWND box = WaitForWindow(program.id(), "#32770", "Q-Fendix", true);
    ASSERT_NE(box, nullptr);
    size_t windows = WindowsOfProcess(program.id()).size();
    PressF1(box);
    EXPECT_TRUE(WaitFor([&] { return WindowsOfProcess(program.id()).size() > windows; }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(program.Wait(kPatienceMs), STILL_ACTIVE);
    EXPECT_FALSE(FileExists(temp / "Ombrix.ini"));
    EXPECT_FALSE(FileExists(temp / "Ombrix.log"));
}

}  // namespace
