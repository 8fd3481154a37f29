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

using testing_support::BinaryFolder;
using testing_support::ChildProcess;
using testing_support::CopyFileTo;
using testing_support::FileExists;
using testing_support::TempFolder;
using testing_support::WaitFor;
using testing_support::WindowText;

namespace {

const int kTitleButton = 1055;
const int kFirstStepLine = 1049;
const int kCloseResident = 105;  // the resident's exit command

// Section, key and value of each line of a settings file, in file order.
using SettingsLines = std::vector<std::pair<std::string, std::string>>;

SettingsLines ReadSettingsLines(const std::string& path)
{
    SettingsLines lines;
    std::istringstream text(testing_support::ReadFileBytes(path));
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

// The assistant's message box: the product caption, and no title button as
// the setup dialog has.
HWND ErrorBox(const ChildProcess& assistant)
{
    HWND box = nullptr;
    WaitFor(
        [&] {
            for (HWND window : testing_support::WindowsOfProcess(assistant.id(), "#32770"))
                if (WindowText(window) == "Q-Fendix" && !GetDlgItem(window, kTitleButton))
                    box = window;
            return box != nullptr;
        });
    return box;
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
    void WriteSettings(const std::string& text) { ASSERT_TRUE(testing_support::WriteFileBytes(settings(), text)); }

    TempFolder app_{"setup"};
};

void CloseResident()
{
    HWND resident = FindWindowA("Q-Fendix", nullptr);
    if (resident)
        PostMessageA(resident, WM_COMMAND, kCloseResident, 0);
    WaitFor([] { return FindWindowA("Q-Fendix", nullptr) == nullptr; });
}

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

    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string shell32 = std::string(system) + "\\SHELL32.dll";
    std::string folder = app_.path().substr(0, app_.path().size() - 1);
    SettingsLines expected = {
        {"[Main]", "PoolPath=" + folder + "\\work\\"}, {"[Main]", "ServePath=" + folder + "\\service\\"},
        {"[Main]", "TrayNo=3"}, {"[Main]", "MenuAutoHide=3000"}, {"[Main]", "IniVersion=10"}};
    const char* descriptions[] = {"デスクトップ", "プログラム", "設定"};
    const char* iconNumbers[] = {"34", "36", "35"};
    const char* rightOptions[] = {"458752", "327680", "458752"};
    for (int i = 0; i < 3; ++i) {
        std::string section = "[Section" + std::to_string(i + 1) + "]";
        std::string name = "Section" + std::to_string(i + 1);
        for (std::string line : {std::string("Flags=2"), "Desc=" + std::string(descriptions[i]), "IconUp=" + shell32,
                                 "IconNoUp=" + std::string(iconNumbers[i]), std::string("Opt_L=458752"),
                                 "Opt_R=" + std::string(rightOptions[i]), std::string("MenuWidth_L=8"),
                                 std::string("MenuWidth_R=8"), "MenuPath_L=" + name + "_l.txt",
                                 "MenuPath_R=" + name + "_r.txt"})
            expected.emplace_back(section, line);
    }
    EXPECT_EQ(ReadSettingsLines(settings()), expected);
    for (const char* file : {"Section1_l.txt", "Section1_r.txt", "Section2_l.txt", "Section2_r.txt",
                             "Section3_l.txt", "Section3_r.txt"}) {
        EXPECT_TRUE(FileExists(app_ / "work\\" + file)) << file;
        EXPECT_FALSE(FileExists(app_ / "work\\" + file + ".bak")) << file;
    }
    EXPECT_TRUE(FileExists(app_ / "service"));
}

TEST_F(Installation, ConversionKeepsEverythingButTheVersion)
{
    CopyAssistant();
    std::string menus = app_ / "Menus\\";
    WriteSettings("[Main]\r\nIniVersion=9\r\nPoolPath=" + menus + "\r\nTrayNo=1\r\n[Section1]\r\nDesc=mine\r\n");
    ChildProcess assistant = StartAssistant();
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return SetupDialogShown(dialog); }));
    EXPECT_EQ(StepLine(dialog, 0), "コンバージョン");
    EXPECT_EQ(assistant.Wait(testing_support::kPatienceMs), 0u);

    EXPECT_EQ(IniVersion(settings()), 10);
    EXPECT_TRUE(FileExists(menus));
    EXPECT_TRUE(FileExists(app_ / "service"));
    SettingsLines expected = {{"[Main]", "IniVersion=10"}, {"[Main]", "PoolPath=" + menus}, {"[Main]", "TrayNo=1"},
                              {"[Main]", "ServePath=" + (app_ / "service\\")}, {"[Section1]", "Desc=mine"}};
    EXPECT_EQ(ReadSettingsLines(settings()), expected);
    EXPECT_FALSE(FileExists(menus + "Section1_l.txt"));
    // The resident is started by its quoted path.
    auto starts = testing_support::ReadRecorderLog(app_ / "Ombrix.log");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, "\"" + (app_ / "Ombrix.exe") + "\"");
}

TEST_F(Installation, StoredPoolPathKeepsItsReference)
{
    CopyAssistant();
    TempFolder elsewhere("pool");
    SetEnvironmentVariableA("OMBRIX_SETUP_POOL", elsewhere.path().c_str());
    WriteSettings("[Main]\r\nIniVersion=9\r\nPoolPath=%OMBRIX_SETUP_POOL%work\\\r\n");
    ChildProcess assistant = StartAssistant();
    SetEnvironmentVariableA("OMBRIX_SETUP_POOL", nullptr);
    EXPECT_EQ(assistant.Wait(testing_support::kPatienceMs), 0u);
    EXPECT_TRUE(FileExists(elsewhere / "work"));
    char stored[MAX_PATH];
    GetPrivateProfileStringA("Main", "PoolPath", "", stored, MAX_PATH, settings().c_str());
    EXPECT_STREQ(stored, "%OMBRIX_SETUP_POOL%work\\");
}

TEST_F(Installation, MissingResidentEndsWithStatus3AfterTheVersionIsWritten)
{
    Copy("Ombrixa.exe", "Ombrixa.exe");
    WriteSettings("[Main]\r\nIniVersion=9\r\n");
    ChildProcess assistant = StartAssistant();
    HWND box = ErrorBox(assistant);
    ASSERT_NE(box, nullptr);
    std::string text = ControlText(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(text.find(" (0x2)\n\"" + (app_ / "Ombrix.exe") + "\""), std::string::npos) << text;
    EXPECT_EQ(IniVersion(settings()), 10);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(assistant.Wait(testing_support::kPatienceMs), 3u);
}

namespace {

const char kUsersMenu[] = "POPUP mine\r\nMENUITEM C:\\mine.exe, mine\r\nEND\r\n";

// The assistant's file error: its text, after which OK ends the program.
std::string FileErrorAndOk(const ChildProcess& assistant)
{
    HWND box = ErrorBox(assistant);
    std::string text;
    // The box may be found while its text is still being made.
    WaitFor([&] { return box && !(text = ControlText(GetDlgItem(box, 0xFFFF))).empty(); }, 10000);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

class UsersMenu : public Installation {
protected:
    void SetUp() override
    {
        CopyAssistant();
        ASSERT_TRUE(CreateDirectoryA((app_ / "work").c_str(), nullptr));
        ASSERT_TRUE(testing_support::WriteFileBytes(menu(), kUsersMenu));
    }
    std::string menu() const { return app_ / "work\\Section1_l.txt"; }
    // The setup failed on the user's menu file: the file is as it was, the
    // steps after it did not run, the resident was not started.
    void ExpectNothingLost(ChildProcess& assistant)
    {
        EXPECT_EQ(assistant.Wait(testing_support::kPatienceMs), 3u);
        EXPECT_EQ(testing_support::ReadFileBytes(menu()), kUsersMenu);
        EXPECT_FALSE(FileExists(app_ / "work\\Section1_l.txt.bak"));
        EXPECT_FALSE(FileExists(app_ / "work\\Section1_r.txt"));
        EXPECT_EQ(IniVersion(settings()), 0);
        EXPECT_FALSE(FileExists(app_ / "Ombrix.log"));
    }
};

}  // namespace

TEST_F(UsersMenu, RunningTheSetupAgainKeepsItAsTheBackup)
{
    // A first run that ended before the version was stamped runs again.
    for (int run = 0; run < 2; ++run) {
        WriteSettings("");
        ChildProcess assistant = StartAssistant();
        ASSERT_EQ(assistant.Wait(testing_support::kPatienceMs), 0u) << run;
        EXPECT_EQ(IniVersion(settings()), 10);
    }
    EXPECT_EQ(testing_support::ReadFileBytes(menu() + ".bak"), kUsersMenu);
    EXPECT_FALSE(FileExists(menu() + ".bak2"));
    EXPECT_NE(testing_support::ReadFileBytes(menu()).find("POPUP Section1_l.txt"), std::string::npos);
}

TEST_F(UsersMenu, AFullDiskLeavesTheOldFile)
{
    SetEnvironmentVariableA("OMBRIX_SIMULATED_DISK_BYTES", "300");
    ChildProcess assistant = StartAssistant();
    SetEnvironmentVariableA("OMBRIX_SIMULATED_DISK_BYTES", nullptr);
    EXPECT_EQ(FileErrorAndOk(assistant), menu() + " にアクセス中にディスクがいっぱいになりました。");
    ExpectNothingLost(assistant);
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
    EXPECT_EQ(FileErrorAndOk(assistant), settings() + " にアクセス中に共有違反が発生しました。");
    EXPECT_EQ(assistant.Wait(testing_support::kPatienceMs), 3u);
    CloseHandle(held);
    EXPECT_EQ(IniVersion(settings()), 9);
    EXPECT_FALSE(FileExists(app_ / "Ombrix.log"));
}
