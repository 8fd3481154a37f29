// A Save all of 20 large menu files ended from outside at different
// moments: afterwards every file is its old or its new version, byte for
// byte (a menu file's "; modified" time aside), and so is Ombrix.ini.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "menufile/menu_file_backups.h"
#include "settings/keys.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

constexpr int kSections = 10;
constexpr int kEntries = 500;

std::string MenuText(int number)
{
    std::string text = "POPUP m\r\nBEGIN\r\n";
    for (int i = 0; i < kEntries; ++i)
        text += "MENUITEM C:\\Programs\\p" + std::to_string(number) + "_" + std::to_string(i) +
                ".exe, \x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80 " + std::to_string(i) + "\r\n";
    return text + "END\r\n";
}

// The settings and the menus of kSections sections; the files' names,
// Ombrix.ini first.
std::vector<std::string> Prepare(const std::string& folder)
{
    CreateDirectoryA((folder + "work").c_str(), nullptr);
    std::vector<std::string> files{"Ombrix.ini"};
    std::string ini = "[Main]\r\nTrayNo=" + std::to_string(kSections) + "\r\n";
    for (int n = 1; n <= kSections; ++n) {
        std::string name = "s" + std::to_string(n);
        ini += "[" + settings::SectionName(n) + "]\r\nDesc=" + name + "\r\nOpt_L=327680\r\nOpt_R=327680\r\n"
               "MenuPath_L=" + name + "_l.txt\r\nMenuPath_R=" + name + "_r.txt\r\n";
        for (int side : {0, 1}) {
            files.push_back("work\\" + name + (side ? "_r.txt" : "_l.txt"));
            WriteFileBytes(folder + files.back(), MenuText(2 * n + side));
        }
    }
    WriteFileBytes(folder + "Ombrix.ini", ini);
    return files;
}

// Runs the helper; with killAfterMs it is ended that long after it starts
// saving. Returns the exit code and the time the save took or ran.
DWORD RunHelper(const std::string& folder, DWORD killAfterMs, DWORD* savingMs = nullptr)
{
    // Without its last backslash, which would escape the closing quote.
    std::string argument = folder.substr(0, folder.size() - 1);
    ChildProcess helper("\"" + BinaryFolder() + "editor_save_helper.exe\" \"" + argument + "\"", folder);
    if (!WaitFor([&] { return FileExists(folder + "ready"); }, 60000))
        return STILL_ACTIVE;
    DWORD start = GetTickCount();
    if (killAfterMs != INFINITE) {
        Sleep(killAfterMs);
        helper.Kill();
    }
    DWORD exitCode = helper.Wait(120000);
    if (savingMs)
        *savingMs = GetTickCount() - start;
    return exitCode;
}

}  // namespace

TEST(KilledSave, EveryFileIsItsOldOrItsNewVersion)
{
    TempFolder original("editor kill"), saved("editor kill done");
    Prepare(original.path());
    const std::vector<std::string> files = Prepare(saved.path());
    DWORD savingMs = 0;
    ASSERT_EQ(RunHelper(saved.path(), INFINITE, &savingMs), 0u);
    // Kills spread over the time a whole save takes.
    constexpr int kRuns = 10;
    int cutOff = 0;
    for (int run = 0; run < kRuns; ++run) {
        DWORD killAfter = savingMs * run / kRuns;
        TempFolder killed("editor killed");
        Prepare(killed.path());
        RunHelper(killed.path(), killAfter);
        int fresh = 0;
        for (const std::string& name : files) {
            std::string now = ReadFileBytes(killed / name), before = ReadFileBytes(original / name);
            std::string after = ReadFileBytes(saved / name);
            bool isNew = now == after || (name != "Ombrix.ini" && menufile::SameMenuText(now, after));
            EXPECT_TRUE(now == before || isNew) << name << " after " << killAfter << " ms";
            fresh += isNew ? 1 : 0;
        }
        cutOff += fresh > 0 && fresh < static_cast<int>(files.size()) ? 1 : 0;
    }
    // How many of the runs were ended in the middle, for the log.
    RecordProperty("runs_cut_off_midway", cutOff);
    printf("save %lu ms; runs ended in the middle of it: %d of %d\n", savingMs, cutOff, kRuns);
}
