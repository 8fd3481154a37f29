// Ombrixa.exe started for its version box: with the setup flag in the wrong
// case and with no argument it shows the box, does no setup, and ends when
// the box is closed.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "resources/setup/resource_ids.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class AboutProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "Ombrixa.exe", temp_ / "Ombrixa.exe"));
        // Stands in for the resident, which only a setup run would start.
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", temp_ / "Ombrix.exe"));
    }

    // The dialog of the process with the box's caption.
    HWND WaitForBox(const ChildProcess& process)
    {
        HWND box = nullptr;
        WaitFor(
            [&] {
                for (HWND window : WindowsOfProcess(process.id(), "#32770"))
                    if (WindowText(window) == "Q-Fendix" && IsWindowVisible(window))
                        box = window;
                return box != nullptr;
            });
        return box;
    }

    TempFolder temp_{"ombrixa_about"};
};

class AboutProgramStarts : public AboutProgram, public ::testing::WithParamInterface<const char*> {};

TEST_P(AboutProgramStarts, ShowsTheVersionBoxAndEndsWithIt)
{
    ChildProcess program("\"" + temp_ / "Ombrixa.exe" + "\"" + GetParam(), temp_.path());
    ASSERT_TRUE(program.started());
    HWND box = WaitForBox(program);
    ASSERT_NE(box, nullptr);

    EXPECT_NE(GetDlgItem(box, IDC_CREDITS), nullptr);

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(program.Wait(kPatienceMs), STILL_ACTIVE);
    // No setup ran: no settings written, no resident started.
    EXPECT_FALSE(FileExists(temp_ / "Ombrix.ini"));
    EXPECT_FALSE(FileExists(temp_ / "Ombrix.log"));
}

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

TEST_F(AboutProgram, F1ShowsTheHelpFileBesideTheProgramOnlyWhenItIsThere)
{
    ChildProcess program("\"" + temp_ / "Ombrixa.exe" + "\"", temp_.path());
    HWND box = WaitForBox(program);
    ASSERT_NE(box, nullptr);
    size_t windows = WindowsOfProcess(program.id()).size();
    PressF1(box);
    Sleep(1500);
    EXPECT_EQ(WindowsOfProcess(program.id()).size(), windows);
    EXPECT_TRUE(IsWindow(box));

    ASSERT_TRUE(CopyFileTo(BinaryFolder() + "Ombrix.chm", temp_ / "Ombrix.chm"));
    PressF1(box);
    EXPECT_TRUE(WaitFor([&] { return WindowsOfProcess(program.id()).size() > windows; }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(program.Wait(kPatienceMs), STILL_ACTIVE);
}

// The flag's rules are the command-line test's (tests/wine/setup): here one
// start without it and one with it in the wrong case.
INSTANTIATE_TEST_SUITE_P(CommandLines, AboutProgramStarts, ::testing::Values("", " /PT"));

}  // namespace
