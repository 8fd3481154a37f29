// Save all on real files under Wine: what lands in Ombrix.ini byte for byte,
// and failures that leave every file as it was and the edits in the model.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "editor/ini_transaction.h"
#include "editor/save_all.h"
#include "editor/section_loader.h"
#include "editor/section_operations.h"
#include "menufile/menu_file_saver.h"
#include "settings/ini_file.h"
#include "tests/support/test_support.h"

using namespace editor;
using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

namespace {

const char kMenu[] = "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, A\r\nEND\r\n";

struct NoReports : MenuReports {
    void StatementError(const std::string&, int, const menufile::ReportArgs&) override {}
    void FileError(const std::string&, menufile::FileFailure, int) override {}
};

class Surroundings : public ModelServices {
public:
    uint32_t Now() const override { return 1600000000; }
    bool FileExists(const std::string& path) const override { return testing_support::FileExists(path); }
    MenuReports& Reports() override { return reports; }
    FileAnswer AskMissingOrBroken(const std::string&) override { return FileAnswer::NewFile; }
    bool PickFile(std::string&) override { return false; }
    std::unique_ptr<menufile::MenuList> CopyMenu(const menufile::MenuList& source) override
    {
        return menufile::CopyTree(source);
    }
    NoReports reports;
};

class SaverWriter : public MenuFileWriter {
public:
    bool Write(const std::string& path, const menufile::MenuList& root) override
    {
        DWORD error = saver.Save(path, root);
        if (error != NO_ERROR)
            failures.push_back(path);
        return error == NO_ERROR;
    }
    menufile::MenuFileSaver saver{[] {
        menufile::SaverArgs args;
        args.instance = GetModuleHandleA(nullptr);
        args.backup = menufile::Backup::SessionStart;
        return args;
    }()};
    std::vector<std::string> failures;
};

class RealFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings::IniFile file(ini());
        file.WriteText("Main", "TrayNo", "3");
        for (int n = 1; n <= 3; ++n) {
            std::string s = "Section" + std::to_string(n), name = "Icon" + std::to_string(n);
            file.WriteText(s.c_str(), "Desc", name);
            file.WriteText(s.c_str(), "Opt_L", "327680");
            file.WriteText(s.c_str(), "Opt_R", "327680");
            file.WriteText(s.c_str(), "MenuPath_L", name + "_l.txt");
            file.WriteText(s.c_str(), "MenuPath_R", name + "_r.txt");
            WriteFileBytes(folder / (name + "_l.txt"), kMenu);
            WriteFileBytes(folder / (name + "_r.txt"), kMenu);
        }
        model.set_poolPath(folder.path());
        IniTransaction reading(ini(), nullptr);
        ASSERT_TRUE(LoadSettings(model, reading, services));
        before = ReadFileBytes(ini());
    }
    std::string ini() const { return folder / "Ombrix.ini"; }
    bool Save()
    {
        IniTransaction file(ini(), [this](const std::string& path, DWORD error) { iniErrors.push_back(error); });
        return SaveAll(model, writer, file, services);
    }
    void AddEntry(size_t position, Side side)
    {
        EditMenuFile& menu = *model.section(position).menu(side);
        menu.root()->entries.emplace_back().text1 = "added.exe";
        menu.set_modified(true);
    }
    // Temporary files of a save.
    size_t Leftovers() const { return testing_support::FileNames(folder / "~*").size(); }

    TempFolder folder{"editor saving"};
    Surroundings services;
    SaverWriter writer;
    SettingsModel model;
    ChangeHistory history;
    SectionOperations operations{model, history, services};
    std::string before;
    std::vector<DWORD> iniErrors;
};

}  // namespace

TEST_F(RealFiles, UnchangedWritesNothingADescChangeOnlyItsLine)
{
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadFileBytes(ini()), before);
    EXPECT_EQ(ReadFileBytes(folder / "Icon1_l.txt"), kMenu);

    operations.Rename(1, "\x83\x5C\x83\x74\x83\x67");  // ソフト
    ASSERT_TRUE(Save());
    std::string expected = before;
    expected.replace(expected.find("Desc=Icon2"), 10, "Desc=\x83\x5C\x83\x74\x83\x67");
    EXPECT_EQ(ReadFileBytes(ini()), expected);
    EXPECT_EQ(Leftovers(), 0u);
}

TEST_F(RealFiles, DeleteOneOfThreeThenNewGivesItsOwnFilesAndLeavesTheOthers)
{
    const std::string left2 = ReadFileBytes(folder / "Icon2_l.txt"), right3 = ReadFileBytes(folder / "Icon3_r.txt");
    operations.Delete(0);
    size_t added = operations.New();
    ASSERT_TRUE(Save());
    settings::IniFile file(ini());
    EXPECT_EQ(file.ReadInt("Main", "TrayNo", 0), 3);
    EXPECT_EQ(file.ReadText("Section1", "Desc"), "Icon2");
    EXPECT_EQ(file.ReadText("Section3", "MenuPath_L"), "Tray_5F5E1000_L1600000000.txt");
    EXPECT_EQ(model.section(added).values().menus[kRight].path, folder / "Tray_5F5E1000_R1600000000.txt");
    EXPECT_TRUE(testing_support::FileExists(folder / "Tray_5F5E1000_R1600000000.txt"));
    EXPECT_EQ(ReadFileBytes(folder / "Icon2_l.txt"), left2);
    EXPECT_EQ(ReadFileBytes(folder / "Icon3_r.txt"), right3);
    EXPECT_EQ(ReadFileBytes(folder / "Icon1_l.txt"), kMenu);  // the deleted section's file stays
}

TEST_F(RealFiles, AReadOnlyOrUncreatableTargetKeepsTheOldFileAndTheEdits)
{
    AddEntry(0, kLeft);
    AddEntry(1, kLeft);
    SetFileAttributesA((folder / "Icon1_l.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    operations.Rename(2, "Renamed");
    SetFileAttributesA(ini().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Save());
    EXPECT_EQ(writer.failures, std::vector<std::string>{folder / "Icon1_l.txt"});
    EXPECT_EQ(iniErrors, std::vector<DWORD>{ERROR_ACCESS_DENIED});
    EXPECT_EQ(ReadFileBytes(folder / "Icon1_l.txt"), kMenu);
    EXPECT_EQ(ReadFileBytes(ini()), before);
    EXPECT_NE(ReadFileBytes(folder / "Icon2_l.txt"), kMenu);  // the other file is still written
    EXPECT_TRUE(model.section(0).menu(kLeft)->modified());
    EXPECT_TRUE(model.section(2).modified());
    EXPECT_EQ(Leftovers(), 0u);

    SetFileAttributesA((folder / "Icon1_l.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(ini().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(Save());
    EXPECT_EQ(settings::IniFile(ini()).ReadText("Section3", "Desc"), "Renamed");
    EXPECT_FALSE(model.AnythingModified());
}

TEST_F(RealFiles, AFullDiskOrAMissingFolderFailsTheNewFileAndNoKeyNamesIt)
{
    size_t added = operations.New();
    SectionValues values = model.section(added).values();
    values.menus[kLeft].path = folder / "no such folder\\new_l.txt";
    history.Do(model, std::make_unique<SectionValuesChange>(model.section(added), values));
    AddEntry(0, kRight);
    SetEnvironmentVariableA(menufile::kSimulatedDiskBytes, "40");
    EXPECT_FALSE(Save());
    SetEnvironmentVariableA(menufile::kSimulatedDiskBytes, nullptr);
    EXPECT_EQ(writer.failures.size(), 3u);
    EXPECT_EQ(ReadFileBytes(folder / "Icon1_r.txt"), kMenu);
    settings::IniFile file(ini());
    EXPECT_EQ(file.ReadInt("Main", "TrayNo", 0), 4);
    EXPECT_EQ(file.ReadText("Section4", "MenuPath_L"), "");
    EXPECT_EQ(file.ReadText("Section4", "MenuPath_R"), "");
    EXPECT_TRUE(model.AnythingModified());
    EXPECT_EQ(Leftovers(), 0u);
}
