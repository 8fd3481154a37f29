// Sample menu files written into a pool folder of the test prefix and read
// back with the menu-file reader.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <memory>
#include <string>
#include <vector>
#include "menufile/menu_file.h"
#include "setup/sample_menu_file.h"
#include "setup/sample_menus.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

using namespace menufile;
using namespace testing_support;

namespace {

// Reads a file as the resident does; any error fails the test.
class CheckedMenuFile : public menufile::MenuFile {
public:
    using MenuFile::MenuFile;

protected:
    void ReportError(int id, const menufile::ReportArgs&) override { ADD_FAILURE() << "statement error " << id; }
    void ReportFileError(menufile::FileFailure, int error) override { ADD_FAILURE() << "file error " << error; }
};

bool FolderExists(int csidl)
{
    win32::UniqueItemIdList idList;
    return SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, idList.put()));
}

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
}

// A folder entry, named by the shell in the file.
void ExpectFolderItem(const MenuEntry& entry, const std::string& path, int option = 0)
{
    EXPECT_EQ(entry.text1, path);
    EXPECT_EQ(entry.flags, ITEM_SHOWFOLDER | (static_cast<uint32_t>(option) << 16)) << path;
    EXPECT_FALSE(entry.text2.empty()) << path;
    EXPECT_NE(entry.text2, "ファイルが見つかりません") << path;
}

class SampleMenus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(com_.result())); }

    // Writes the file of one side of a section and reads it back.
    std::unique_ptr<CheckedMenuFile> WriteAndRead(int section, bool right)
    {
        std::string name = setup::SampleMenuName(section, right);
        setup::WriteSampleMenuFile(pool_.path(), name, *setup::BuildSampleMenu(section, right, pool_.path()));
        auto file = std::make_unique<CheckedMenuFile>(pool_ / name);
        EXPECT_TRUE(file->Load()) << name;
        return file;
    }

    win32::ComScope com_;
    TempFolder pool_{"pool"};
};

}  // namespace

// Which types give a program, and the doc rule, are DocumentPrograms' own
// test; here two registered types give their programs, expanded.
TEST_F(SampleMenus, DesktopLeftHasTheUserTheDesktopAndDocumentPrograms)
{
    std::vector<std::unique_ptr<testing_support::ClassesKey>> keys;
    for (const char* type : {"txt", "xls"}) {
        std::string name = std::string("OmbrixSample.") + type;
        keys.push_back(std::make_unique<testing_support::ClassesKey>(std::string(".") + type, name.c_str()));
        const char* command = type[0] == 't' ? "C:\\WINDOWS\\NOTEPAD.EXE %1" : "%OMBRIX_OFFICE%\\EXCEL.EXE /e";
        keys.push_back(std::make_unique<testing_support::ClassesKey>(name + "\\shell\\open\\command", command));
    }
    // Whatever the prefix has for .htm and .doc gives no program meanwhile.
    for (const char* type : {".htm", ".doc"})
        keys.push_back(std::make_unique<testing_support::ClassesKey>(type, "OmbrixSample.none"));
    SetEnvironmentVariableA("OMBRIX_OFFICE", "D:\\Office");
    auto file = WriteAndRead(1, false);
    SetEnvironmentVariableA("OMBRIX_OFFICE", nullptr);
    ASSERT_TRUE(file->root());
    const auto& entries = file->root()->entries;
    ASSERT_EQ(entries.size(), 5u);
    char user[64];
    DWORD size = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &size));
    EXPECT_EQ(entries[0].flags, ITEM_STATIC);
    EXPECT_EQ(entries[0].text1, user);
    EXPECT_EQ(entries[0].parameters, "/1/24/1/1");
    ExpectFolderItem(entries[1], "&#0");
    EXPECT_EQ(entries[2].flags, ITEM_SEPARATOR);
    EXPECT_EQ(entries[3].text1, "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(entries[4].text1, "D:\\Office\\EXCEL.EXE");
    EXPECT_EQ(entries[4].flags, 0u);
    std::string text = ReadFileBytes(pool_ / "Section1_l.txt");
    EXPECT_EQ(text.rfind("; メニュー用定義ファイル\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nPOPUP Section1_l.txt\r\nBEGIN\r\n"), std::string::npos);
}

TEST_F(SampleMenus, DesktopRightListsFilesButNotTheBinOrTheDrives)
{
    std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    ASSERT_FALSE(desktop.empty());
    std::string note = desktop + "\\ombrix_sample_note.txt";
    ASSERT_TRUE(testing_support::WriteFileBytes(note, "note"));
    auto file = WriteAndRead(1, true);
    DeleteFileA(note.c_str());
    ASSERT_TRUE(file->root());
    bool listed = false;
    for (const MenuEntry& entry : file->root()->entries) {
        EXPECT_EQ(entry.flags, 0u) << entry.text1;
        EXPECT_NE(entry.text1, "&#10");
        EXPECT_NE(entry.text1, "&#17");
        EXPECT_EQ(entry.text1.find('|'), std::string::npos) << entry.text1;
        listed = listed || lstrcmpiA(entry.text1.c_str(), note.c_str()) == 0;
    }
    EXPECT_TRUE(listed) << "the desktop file is missing";
}

TEST_F(SampleMenus, ProgramsWithTheirFallbacksAndOptionNine)
{
    auto file = WriteAndRead(2, false);
    ASSERT_TRUE(file->root());
    const auto& entries = file->root()->entries;
    ASSERT_EQ(entries.size(), 2u);
    ExpectFolderItem(entries[0], FolderExists(CSIDL_COMMON_STARTMENU) ? "&#22" : "&#11");
    ExpectFolderItem(entries[1], FolderExists(CSIDL_COMMON_PROGRAMS) ? "&#23" : "&#2", 9);
    EXPECT_NE(ReadFileBytes(pool_ / "Section2_l.txt").find(", SHOWFOLDER, 9\r\n"), std::string::npos);
}

TEST_F(SampleMenus, PoolPathReferencesAreExpanded)
{
    SetEnvironmentVariableA("OMBRIX_SAMPLE_POOL", pool_.path().c_str());
    setup::WriteSampleMenuFile("%OMBRIX_SAMPLE_POOL%", "sub.txt", *setup::BuildSampleMenu(3, false, ""));
    SetEnvironmentVariableA("OMBRIX_SAMPLE_POOL", nullptr);
    EXPECT_TRUE(FileExists(pool_ / "sub.txt"));
}
