// Folder tests and file operations on real files.
#include <gtest/gtest.h>
#include "shellfiles/file_path.h"
#include "tests/support/test_support.h"

using shellfiles::FilePath;
using namespace testing_support;

namespace {

bool IsDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(IsFolder, FoldersFilesMissingPathsAndDriveRoots)
{
    TempFolder temp;
    ASSERT_TRUE(CreateDirectoryA((temp / "Data").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((temp / "ソ").c_str(), nullptr));  // ends in trail byte 0x5C
    ASSERT_TRUE(WriteFileBytes(temp / "file.txt", "x"));
    SetEnvironmentVariableA("OMBRIX_TEST_TEMP", temp.path().c_str());
    // No drive Q: exists in the test prefix: a root needs no disk.
    const struct {
        std::string path;
        bool folder;
    } cases[] = {
        {"Q:", true},           {"Q:\\", true},           {"Q:\\Data", false},
        {temp / "Data", true},  {temp / "Data\\", true},  {temp / "file.txt", false},
        {temp / "missing\\", false}, {temp / "ソ", true}, {temp / "ソ\\", true},
        {"%OMBRIX_TEST_TEMP%", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilePath(c.path).IsFolder(false), c.folder) << c.path;
    SetEnvironmentVariableA("OMBRIX_TEST_TEMP", nullptr);
}

TEST(CreateFolder, NewExistingAndBlockedByAFile)
{
    TempFolder temp;
    FilePath folder(temp / "work\\");
    EXPECT_TRUE(folder.CreateFolder(false));
    EXPECT_TRUE(IsDirectory(temp / "work"));
    // An existing folder is success, quietly.
    EXPECT_TRUE(folder.CreateFolder(true));
    // A file of that name is not a folder, whatever CreateDirectory says.
    ASSERT_TRUE(WriteFileBytes(temp / "plain", "x"));
    EXPECT_FALSE(FilePath(temp / "plain").CreateFolder(false));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    // No parent folders are made.
    EXPECT_FALSE(FilePath(temp / "a\\b\\c").CreateFolder(false));
    EXPECT_FALSE(IsDirectory(temp / "a"));
}
