// Save all on real files under Wine: what lands in Ombrix.ini byte for byte,
// and failures (a file error, a line the resident would read in pieces)
// that leave every file as it was and the edits in the model.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "editor/editor_settings.h"
#include "editor/section/menu_operations.h"
#include "menufile/menu_file_saver.h"
#include "settings/ini_file.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"
#include "win32/file_error_report.h"

using namespace editor;
using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

namespace {

const char kMenu[] = "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, A\r\nEND\r\n";

class RealFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string text = "[Main]\r\nTrayNo=3\r\n";
        for (const std::string name : {"Icon1", "Icon2", "Icon3"}) {
            text += "[Section" + name.substr(4) + "]\r\nDesc=" + name + "\r\nOpt_L=327680\r\nOpt_R=327680\r\n"
                    "MenuPath_L=" + name + "_l.txt\r\nMenuPath_R=" + name + "_r.txt\r\n";
            WriteFileBytes(folder / (name + "_l.txt"), kMenu);
            WriteFileBytes(folder / (name + "_r.txt"), kMenu);
        }
        WriteFileBytes(ini(), text);
        ASSERT_TRUE(editor.Load());
        before = ReadFileBytes(ini());
    }
    std::string ini() const { return folder / "Ombrix.ini"; }
    bool Save() { return editor.SaveAll(); }
    // A Save all that fails: the texts of the boxes it showed (one more
    // than any test expects is answered, so a stray box is seen).
    std::vector<std::string> SaveFailing()
    {
        testing_support::BoxAnswers answers(std::vector<testing_support::Answer>(4, {IDOK, ""}));
        EXPECT_FALSE(Save());
        return answers.Finish();
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
    EditorSettings editor{GetModuleHandleA(nullptr), folder / "Ombrix.ini", folder.path(),
                          [] { return HWND{}; }};
    SettingsModel& model = editor.model();
    SectionOperations& operations = editor.operations();
    std::string before;
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
    operations.Delete(0);
    size_t added = operations.New();
    ASSERT_TRUE(Save());
    settings::IniFile file(ini());
    EXPECT_EQ(file.ReadInt("Main", "TrayNo", 0), 3);
    EXPECT_EQ(file.ReadText("Section1", "Desc"), "Icon2");
    const MenuSideValues* menus = model.section(added).values().menus;
    EXPECT_EQ(folder / file.ReadText("Section3", "MenuPath_L"), menus[kLeft].path);  // named relative to the pool
    EXPECT_TRUE(testing_support::FileExists(menus[kLeft].path));
    EXPECT_TRUE(testing_support::FileExists(menus[kRight].path));
    for (const char* name : {"Icon1_l.txt", "Icon2_l.txt", "Icon3_r.txt"})  // the deleted section's file stays too
        EXPECT_EQ(ReadFileBytes(folder / name), kMenu) << name;
}

TEST_F(RealFiles, AReadOnlyOrUncreatableTargetKeepsTheOldFileAndTheEdits)
{
    AddEntry(0, kLeft);
    AddEntry(1, kLeft);
    SetFileAttributesA((folder / "Icon1_l.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    operations.Rename(2, "Renamed");
    SetFileAttributesA(ini().c_str(), FILE_ATTRIBUTE_READONLY);
    auto error = [](const std::string& path) {
        return win32::FileErrorText(GetModuleHandleA(nullptr), ERROR_ACCESS_DENIED, path);
    };
    EXPECT_EQ(SaveFailing(), (std::vector<std::string>{error(folder / "Icon1_l.txt"), error(ini())}));
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
    editor.history().Do(model, std::make_unique<SectionValuesChange>(model.section(added), values));
    AddEntry(0, kRight);
    SetEnvironmentVariableA(menufile::kSimulatedDiskBytes, "40");
    EXPECT_EQ(SaveFailing().size(), 3u);  // both new files and the full one
    SetEnvironmentVariableA(menufile::kSimulatedDiskBytes, nullptr);
    EXPECT_EQ(ReadFileBytes(folder / "Icon1_r.txt"), kMenu);
    settings::IniFile file(ini());
    EXPECT_EQ(file.ReadInt("Main", "TrayNo", 0), 4);
    EXPECT_EQ(file.ReadText("Section4", "MenuPath_L"), "");
    EXPECT_EQ(file.ReadText("Section4", "MenuPath_R"), "");
    EXPECT_TRUE(model.AnythingModified());
    EXPECT_EQ(Leftovers(), 0u);
}

TEST_F(RealFiles, ALineTheResidentWouldReadInPiecesIsNamedAndKeepsTheFileAndTheEdit)
{
    const std::string name = "long" + std::string(500, 'x');
    const uint64_t id = model.section(0).id();
    MenuOperations(model, editor.historyOf(id), id, kLeft).SetDescription({0}, name);
    std::vector<std::string> boxes = SaveFailing();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(name), std::string::npos);
    EXPECT_NE(boxes[0].find(folder / "Icon1_l.txt"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder / "Icon1_l.txt"), kMenu);
    EXPECT_TRUE(model.section(0).menu(kLeft)->modified());
    EXPECT_EQ(model.section(0).menu(kLeft)->root()->entries[0].text2, name);
}
