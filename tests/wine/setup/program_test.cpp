// The programs in an empty folder: the resident starts the assistant, which
// prepares the installation and starts the resident again. Also a
// conversion, a pool path with a reference and a missing resident.
#include <gtest/gtest.h>
#include <windows.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

const int kTitleButton = 1055;
const int kFirstStepLine = 1049;
const int kCloseResident = 105;  // the resident's exit command

// Section, key and value of each line of a settings file, in file order.
using SettingsLines = std::vector<std::pair<std::string, std::string>>;

SettingsLines ReadSettingsLines(const std::string& path)
{
    SettingsLines lines;
    std::istringstream text(ReadFileBytes(path));
    std::string line, section;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (line[0] == '[')
            section = line;
        else
            lines.emplace_back(section, line);
    }
    return lines;
}

int IniVersion(const std::string& settings)
{
    return static_cast<int>(GetPrivateProfileIntA("Main", "IniVersion", 0, settings.c_str()));
}

BOOL CALLBACK FindSetupDialog(HWND window, LPARAM found)
{
    char className[32];
    GetClassNameA(window, className, sizeof className);
    HWND title = GetDlgItem(window, kTitleButton);
    if (lstrcmpA(className, "#32770") != 0 || !title || WindowText(title) != "Q-Fendix")
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND SetupDialogWindow()
{
    HWND found = nullptr;
    EnumWindows(FindSetupDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string StepLine(HWND dialog, int step) { return WindowText(GetDlgItem(dialog, kFirstStepLine + step)); }

// The text of another process's control, asked of the control itself.
std::string ControlText(HWND control)
{
    char text[2048] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        &length);
    return std::string(text, length);
}

// The setup dialog once its step lines have their texts.
bool SetupDialogShown(HWND& dialog)
{
    dialog = SetupDialogWindow();
    return dialog && !StepLine(dialog, 2).empty();
}

// The text of the assistant's message box (the product caption, and no title
// button as the setup dialog has), after which OK ends the program.
std::string BoxTextAndOk(const ChildProcess& assistant)
{
    HWND box = nullptr;
    std::string text;
    // The box may be found while its text is still being made.
    WaitFor([&] {
        for (HWND window : WindowsOfProcess(assistant.id(), "#32770"))
            if (WindowText(window) == "Q-Fendix" && !GetDlgItem(window, kTitleButton))
                box = window;
        return box && !(text = ControlText(GetDlgItem(box, 0xFFFF))).empty();
    });
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

// A folder holding the programs under their shipped names; the recorder may
// stand in for the resident.
class Installation : public ::testing::Test {
protected:
    void Copy(const char* program, const char* as)
    {
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + program, app_ / as));
    }
    // The assistant, with the recorder standing in for the resident.
    void CopyAssistant()
    {
        Copy("Ombrixa.exe", "Ombrixa.exe");
        Copy("recorder.exe", "Ombrix.exe");
    }
    std::string settings() const { return app_ / "Ombrix.ini"; }
    ChildProcess StartAssistant(const char* arguments = "/pt")
    {
        return ChildProcess("\"" + (app_ / "Ombrixa.exe") + "\" " + arguments, app_.path());
    }
    void WriteSettings(const std::string& text) { ASSERT_TRUE(WriteFileBytes(settings(), text)); }

    TempFolder app_{"setup"};
};

void CloseResident()
{
    HWND resident = FindWindowA("Q-Fendix", nullptr);
    if (resident)
        PostMessageA(resident, WM_COMMAND, kCloseResident, 0);
    WaitFor([] { return FindWindowA("Q-Fendix", nullptr) == nullptr; });
}

const char kUsersMenu[] = "POPUP mine\r\nMENUITEM C:\\mine.exe, mine\r\nEND\r\n";

class UsersMenu : public Installation {
protected:
    void SetUp() override
    {
        CopyAssistant();
        ASSERT_TRUE(CreateDirectoryA((app_ / "work").c_str(), nullptr));
        ASSERT_TRUE(WriteFileBytes(menu(), kUsersMenu));
    }
    std::string menu() const { return app_ / "work\\Section1_l.txt"; }
};

}  // namespace

TEST_F(Installation, FreshFolderGetsSettingsSampleMenusAndTheResident)
{
    ASSERT_EQ(FindWindowA("Q-Fendix", nullptr), nullptr) << "a resident is already running";
    Copy("Ombrix.exe", "Ombrix.exe");
    Copy("Ombrixa.exe", "Ombrixa.exe");
    Copy("recorder.exe", "Ombrixm.exe");
    ChildProcess resident("\"" + (app_ / "Ombrix.exe") + "\"", app_.path());

    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return SetupDialogShown(dialog); }));
    EXPECT_EQ(StepLine(dialog, 0), "動作環境設定");
    EXPECT_EQ(StepLine(dialog, 1), "サンプル作成");
    EXPECT_EQ(StepLine(dialog, 2), "起動準備");
    ASSERT_TRUE(WaitFor([&] { return FindWindowA("Q-Fendix", nullptr) != nullptr; }));
    EXPECT_TRUE(WaitFor([] { return SetupDialogWindow() == nullptr; }));
    CloseResident();

    std::string shell32 = SystemFile("SHELL32.dll");
    SettingsLines expected = {{"[Main]", "PoolPath=" + (app_ / "work\\")},
                              {"[Main]", "ServePath=" + (app_ / "service\\")},
                              {"[Main]", "TrayNo=3"}, {"[Main]", "MenuAutoHide=3000"}, {"[Main]", "IniVersion=10"}};
    // Description, icon number and right options of each section.
    const std::vector<std::string> sections[] = {
        {"デスクトップ", "34", "458752"}, {"プログラム", "36", "327680"}, {"設定", "35", "458752"}};
    for (int i = 0; i < 3; ++i) {
        std::string name = "Section" + std::to_string(i + 1);
        for (const std::string& line : std::vector<std::string>{
                 "Flags=2", "Desc=" + sections[i][0], "IconUp=" + shell32, "IconNoUp=" + sections[i][1],
                 "Opt_L=458752", "Opt_R=" + sections[i][2], "MenuWidth_L=8", "MenuWidth_R=8",
                 "MenuPath_L=" + name + "_l.txt", "MenuPath_R=" + name + "_r.txt"})
            expected.emplace_back("[" + name + "]", line);
        for (const char* side : {"_l.txt", "_r.txt"}) {
            EXPECT_TRUE(FileExists(app_ / "work\\" + name + side)) << name;
            EXPECT_FALSE(FileExists(app_ / "work\\" + name + side + ".bak")) << name;
        }
    }
    EXPECT_EQ(ReadSettingsLines(settings()), expected);
    EXPECT_TRUE(FileExists(app_ / "service"));
}

// A stored pool path keeps its reference; its folder is made where it points.
TEST_F(Installation, ConversionKeepsEverythingButTheVersion)
{
    CopyAssistant();
    SetEnvironmentVariableA("OMBRIX_SETUP_POOL", app_.path().c_str());
    const std::string pool = "%OMBRIX_SETUP_POOL%Menus\\";
    WriteSettings("[Main]\r\nIniVersion=9\r\nPoolPath=" + pool + "\r\nTrayNo=1\r\n[Section1]\r\nDesc=mine\r\n");
    ChildProcess assistant = StartAssistant();
    SetEnvironmentVariableA("OMBRIX_SETUP_POOL", nullptr);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return SetupDialogShown(dialog); }));
    EXPECT_EQ(StepLine(dialog, 0), "コンバージョン");
    EXPECT_EQ(assistant.Wait(kPatienceMs), 0u);

    EXPECT_TRUE(FileExists(app_ / "Menus"));
    EXPECT_TRUE(FileExists(app_ / "service"));
    SettingsLines expected = {{"[Main]", "IniVersion=10"}, {"[Main]", "PoolPath=" + pool}, {"[Main]", "TrayNo=1"},
                              {"[Main]", "ServePath=" + (app_ / "service\\")}, {"[Section1]", "Desc=mine"}};
    EXPECT_EQ(ReadSettingsLines(settings()), expected);
    EXPECT_FALSE(FileExists(app_ / "Menus\\Section1_l.txt"));
    // The resident is started by its quoted path.
    auto starts = ReadRecorderLog(app_ / "Ombrix.log");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, "\"" + (app_ / "Ombrix.exe") + "\"");
}

TEST_F(Installation, MissingResidentEndsWithStatus3AfterTheVersionIsWritten)
{
    Copy("Ombrixa.exe", "Ombrixa.exe");
    WriteSettings("[Main]\r\nIniVersion=9\r\n");
    ChildProcess assistant = StartAssistant();
    std::string text = BoxTextAndOk(assistant);
    EXPECT_NE(text.find(" (0x2)\n\"" + (app_ / "Ombrix.exe") + "\""), std::string::npos) << text;
    EXPECT_EQ(assistant.Wait(kPatienceMs), 3u);
    EXPECT_EQ(IniVersion(settings()), 10);
}

TEST_F(UsersMenu, RunningTheSetupAgainKeepsItAsTheBackup)
{
    // A first run that ended before the version was stamped runs again.
    for (int run = 0; run < 2; ++run) {
        WriteSettings("");
        ChildProcess assistant = StartAssistant();
        ASSERT_EQ(assistant.Wait(kPatienceMs), 0u) << run;
        EXPECT_EQ(IniVersion(settings()), 10);
    }
    EXPECT_EQ(ReadFileBytes(menu() + ".bak"), kUsersMenu);
    EXPECT_FALSE(FileExists(menu() + ".bak2"));
    EXPECT_NE(ReadFileBytes(menu()).find("POPUP Section1_l.txt"), std::string::npos);
}

TEST_F(UsersMenu, AFullDiskLeavesTheOldFile)
{
    SetEnvironmentVariableA("OMBRIX_SIMULATED_DISK_BYTES", "300");
    ChildProcess assistant = StartAssistant();
    SetEnvironmentVariableA("OMBRIX_SIMULATED_DISK_BYTES", nullptr);
    EXPECT_EQ(BoxTextAndOk(assistant), menu() + " にアクセス中にディスクがいっぱいになりました。");
    // The file is as it was, the steps after it did not run, the resident
    // was not started.
    EXPECT_EQ(assistant.Wait(kPatienceMs), 3u);
    EXPECT_EQ(ReadFileBytes(menu()), kUsersMenu);
    EXPECT_FALSE(FileExists(menu() + ".bak"));
    EXPECT_FALSE(FileExists(app_ / "work\\Section1_r.txt"));
    EXPECT_EQ(IniVersion(settings()), 0);
    EXPECT_FALSE(FileExists(app_ / "Ombrix.log"));
}

TEST_F(Installation, ASettingsFileThatCannotBeWrittenEndsWithStatus3)
{
    CopyAssistant();
    WriteSettings("[Main]\r\nIniVersion=9\r\nPoolPath=" + (app_ / "work\\") + "\r\nServePath=" + (app_ / "service\\") +
                  "\r\n");
    // Others may read the file but not write it.
    HANDLE held = CreateFileA(settings().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ChildProcess assistant = StartAssistant();
    EXPECT_EQ(BoxTextAndOk(assistant), settings() + " にアクセス中に共有違反が発生しました。");
    EXPECT_EQ(assistant.Wait(kPatienceMs), 3u);
    CloseHandle(held);
    EXPECT_EQ(IniVersion(settings()), 9);
    EXPECT_FALSE(FileExists(app_ / "Ombrix.log"));
}
