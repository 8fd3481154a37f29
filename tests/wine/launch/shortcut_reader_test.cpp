// Shortcut files written through the shell link object read back field by
// field, and through their item id list.
#include "win32/shortcut_reader.h"

#include <shlobj.h>
#include "tests/support/test_support.h"
#include "tests/wine/launch/launch_fixture.h"

namespace {

using namespace testing_support;

using ShortcutReaderTest = LaunchTest;

TEST_F(ShortcutReaderTest, ReadsEveryFieldBack)
{
    TempFolder temp("lnk");
    win32::ShortcutData written;
    written.targetPath = temp / "表ソ.exe";
    testing_support::WriteFileBytes(written.targetPath, "MZ");
    written.description = "ﾒﾓ帳 ソフト";
    written.workingDirectory = temp.path().substr(0, temp.path().size() - 1);
    written.arguments = "-x \"a b\"";
    written.iconPath = "C:\\windows\\system32\\shell32.dll";
    written.iconIndex = 3;
    written.hotkey = MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT);
    std::string linkPath = temp / "表.lnk";
    WriteShortcut(linkPath, written);

    win32::ShortcutReadResult read = win32::ReadShortcut(nullptr, linkPath);
    ASSERT_TRUE(read.ok) << read.failure;
    EXPECT_EQ(lstrcmpiA(read.data.targetPath.c_str(), written.targetPath.c_str()), 0) << read.data.targetPath;
    EXPECT_EQ(read.data.description, written.description);
    EXPECT_EQ(read.data.workingDirectory, written.workingDirectory);
    EXPECT_EQ(read.data.arguments, written.arguments);
    EXPECT_EQ(read.data.iconPath, written.iconPath);
    EXPECT_EQ(read.data.iconIndex, 3);
    EXPECT_EQ(read.data.hotkey, written.hotkey);
    // Wine's link object does not keep a show command; Windows does.
    EXPECT_EQ(read.data.showCommand, SW_SHOWNORMAL);
}

TEST_F(ShortcutReaderTest, ItemIdListNamesTheTarget)
{
    TempFolder temp("lnk");
    std::string folder = temp / "ﾃﾞｰﾀ";
    CreateDirectoryA(folder.c_str(), nullptr);
    win32::ShortcutData written;
    written.targetPath = folder;
    std::string linkPath = temp / "to folder.lnk";
    WriteShortcut(linkPath, written);

    win32::ShortcutIdListResult read = win32::ReadShortcutIdList(nullptr, linkPath);
    ASSERT_TRUE(read.ok) << read.failure;
    char path[MAX_PATH] = "";
    ASSERT_TRUE(SHGetPathFromIDListA(read.idList.get(), path));
    EXPECT_EQ(lstrcmpiA(path, folder.c_str()), 0) << path;
}

TEST_F(ShortcutReaderTest, FilesThatAreNoShortcutsFailSilently)
{
    TempFolder temp("lnk");
    testing_support::WriteFileBytes(temp / "text.lnk", "not a shortcut");
    for (const std::string& path : {temp / "missing.lnk", temp / "text.lnk", std::string()}) {
        win32::ShortcutReadResult read = win32::ReadShortcut(nullptr, path);
        EXPECT_EQ(read.ok || !read.failure.empty(), false) << path;
        win32::ShortcutIdListResult list = win32::ReadShortcutIdList(nullptr, path);
        EXPECT_EQ(list.ok || list.idList, false) << path;
    }
}

}  // namespace
