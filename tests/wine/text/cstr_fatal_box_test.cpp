// A programming error of CStr shows "CStr fatal <code>" in a system-modal
// box without owner, then the process ends.
#include <gtest/gtest.h>

#include "tests/support/test_support.h"

using namespace testing_support;

// Which error gives which code is the host death tests'.
TEST(CStrFatalBox, ShowsTheCodeThenEndsTheProcess)
{
    const char error[] = "wide", text[] = "CStr fatal 4";
    ChildProcess probe(BinaryFolder() + "text_fatal_probe.exe " + error, "");
    ASSERT_TRUE(probe.started());
    // The box is found as soon as it exists; its text follows at its
    // initialisation.
    HWND box = nullptr;
    WaitFor([&] {
        for (HWND window : WindowsOfProcess(probe.id(), "#32770"))
            box = MessageBoxText(window) == text ? window : box;
        return box || probe.Wait(0) != STILL_ACTIVE;
    });
    ASSERT_TRUE(box) << "no box saying " << text << ", the probe ended with " << probe.Wait(0);
    EXPECT_FALSE(WindowText(box).empty()) << "the system's default caption";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "system modal";
    EXPECT_EQ(probe.Wait(300), STILL_ACTIVE) << "the process waits for the box";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(probe.Wait(kPatienceMs), 3u);
}
