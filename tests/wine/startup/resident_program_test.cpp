// Ombrix.exe itself, copied into a temporary folder whose name holds a space,
// with recorder.exe beside it as Ombrixa.exe and Ombrixm.exe, and a decoy
// "x.exe" that an unquoted "...\x y\Ombrixa.exe" would start instead.
#include <gtest/gtest.h>
#include <algorithm>

#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

constexpr UINT kTrayCallback = 0x8001;
const char kCurrentSettings[] = "[Main]\r\nIniVersion=10\r\nTrayNo=0\r\n";

class ResidentProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "Ombrix.exe", folder_ + "Ombrix.exe"));
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", folder_ + "Ombrixa.exe"));
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", folder_ + "Ombrixm.exe"));
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", temp_ / "x.exe"));
    }

    void TearDown() override
    {
        for (HWND window : WindowsOfProcess(resident_.id(), "Q-Fendix"))
            PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(FileExists(temp_ / "x.log")) << "a path was not quoted";
    }

    void WriteSettings(const std::string& text) { ASSERT_TRUE(WriteFileBytes(folder_ + "Ombrix.ini", text)); }

    ChildProcess Start()
    {
        ChildProcess process("\"" + folder_ + "Ombrix.exe\"", folder_);
        EXPECT_TRUE(process.started());
        return process;
    }

    // Starts the resident of the temporary folder and waits for its window.
    HWND StartResident()
    {
        resident_ = Start();
        return WaitForWindow(resident_.id(), "Q-Fendix");
    }

    // The command lines that the copy of the recorder named `program` saw.
    std::vector<std::string> Started(const std::string& program) const
    {
        std::vector<std::string> lines;
        for (const RecordedStart& start : WaitForRecorderLog(folder_ + program + ".log"))
            lines.push_back(start.commandLine);
        return lines;
    }

    // The tray callback's answer: 1 for an icon the resident has, 0 otherwise.
    static LRESULT TrayCallback(HWND window, WPARAM id)
    {
        DWORD_PTR result = 99;
        SendMessageTimeoutA(window, kTrayCallback, id, WM_MOUSEMOVE, SMTO_ABORTIFHUNG, 5000, &result);
        return static_cast<LRESULT>(result);
    }

    std::string Quoted(const std::string& program) const { return "\"" + folder_ + program + "\""; }

    TempFolder temp_{"resident"};
    std::string folder_ = temp_ / "x y\\";
    ChildProcess resident_;
};

// Without settings it is the same: the setup program test's start.
TEST_F(ResidentProgram, WithAnOlderVersionStartsTheAssistantAndEnds)
{
    WriteSettings("[Main]\r\nIniVersion=9\r\nTrayNo=1\r\n");
    ChildProcess resident = Start();
    EXPECT_EQ(resident.Wait(kPatienceMs), 0u);
    EXPECT_EQ(Started("Ombrixa"), std::vector<std::string>{Quoted("Ombrixa.exe") + " /pt"});
}

TEST_F(ResidentProgram, AnAssistantThatCannotBeStartedIsReported)
{
    ASSERT_TRUE(DeleteFileA((folder_ + "Ombrixa.exe").c_str()));
    ChildProcess resident = Start();
    HWND box = WaitForWindow(resident.id(), "#32770", "Q-Fendix", true);
    ASSERT_NE(box, nullptr);
    std::string message = MessageBoxText(box), line = " (0x2)\n" + Quoted("Ombrixa.exe") + " /pt";
    EXPECT_EQ(message.substr(message.size() - std::min(message.size(), line.size())), line) << message;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(resident.Wait(kPatienceMs), 0u);
}

TEST_F(ResidentProgram, RunsOnceTakesItsCommandsAndEndsWithZero)
{
    WriteSettings(kCurrentSettings);
    HWND window = StartResident();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(WindowText(window), "");

    ChildProcess second = Start();
    EXPECT_EQ(second.Wait(kPatienceMs), 0u);
    EXPECT_EQ(resident_.Wait(0), STILL_ACTIVE);
    EXPECT_FALSE(FileExists(folder_ + "Ombrixa.log"));

    PostMessageA(window, WM_COMMAND, CMD_EDIT_MENUS, 0);
    EXPECT_EQ(Started("Ombrixm"), std::vector<std::string>{Quoted("Ombrixm.exe")});
    PostMessageA(window, WM_COMMAND, CMD_ABOUT, 0);
    EXPECT_EQ(Started("Ombrixa"), std::vector<std::string>{Quoted("Ombrixa.exe")});
    // Unknown commands and help without a help file leave it running.
    PostMessageA(window, WM_COMMAND, 40000, 0);
    PostMessageA(window, WM_COMMAND, CMD_HELP, 0);
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_EQ(resident_.Wait(0), STILL_ACTIVE);
    // (Closing its window is the reload test's end.)
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(resident_.Wait(kPatienceMs), 0u);
}

TEST_F(ResidentProgram, ReloadReadsTheFileAgainAndWaitsLikeCloseForTheOpenMenu)
{
    // The last icon without a right menu shows the settings submenu alone.
    WriteSettings("[Main]\r\nIniVersion=10\r\nTrayNo=1\r\n");
    HWND window = StartResident();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitFor([&] { return TrayCallback(window, 0) == 1; }));
    auto menuOpen = [&] { return WaitForWindow(resident_.id(), "#32768", nullptr, true, 0) != nullptr; };
    // The menu's loop takes the keys sent to any window of its thread.
    auto closeMenu = [&] { PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0); };

    // Both would delete the icon whose menu is open.
    PostMessageA(window, kTrayCallback, 0, WM_RBUTTONDOWN);
    ASSERT_TRUE(WaitFor(menuOpen));
    WriteSettings("[Main]\r\nIniVersion=10\r\nTrayNo=2\r\n");
    PostMessageA(window, WM_COMMAND, CMD_RELOAD, 0);
    EXPECT_FALSE(WaitFor([&] { return TrayCallback(window, 1) == 1; }, 3000));
    closeMenu();
    EXPECT_TRUE(WaitFor([&] { return TrayCallback(window, 1) == 1; }));
    EXPECT_EQ(TrayCallback(window, 2), 0);
    // Each reload reads the file as it is now.
    WriteSettings("[Main]\r\nIniVersion=10\r\nTrayNo=1\r\n");
    PostMessageA(window, WM_COMMAND, CMD_RELOAD, 0);
    EXPECT_TRUE(WaitFor([&] { return TrayCallback(window, 1) == 0; }));

    PostMessageA(window, kTrayCallback, 0, WM_RBUTTONDOWN);
    ASSERT_TRUE(WaitFor(menuOpen));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(resident_.Wait(1000), STILL_ACTIVE);
    EXPECT_TRUE(menuOpen());
    closeMenu();
    EXPECT_EQ(resident_.Wait(kPatienceMs), 0u);
}

}  // namespace
