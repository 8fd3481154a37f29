// Folder tests and file operations on real files.
#include <gtest/gtest.h>
#include "shellfiles/file_path.h"
#include "tests/support/test_support.h"

using shellfiles::FilePath;
using testing_support::FileExists;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

namespace {

bool IsDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(IsFolder, DriveRootsNeedNoDisk)
{
    // No drive Q: exists in the test prefix.
    EXPECT_TRUE(FilePath("Q:").IsFolder(false));
    EXPECT_TRUE(FilePath("Q:\\").IsFolder(false));
    EXPECT_FALSE(FilePath("Q:\\Data").IsFolder(false));
}

TEST(IsFolder, FoldersFilesAndMissingPaths)
{
    TempFolder temp;
    ASSERT_TRUE(CreateDirectoryA((temp / "Data").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(temp / "file.txt", "x"));
    EXPECT_TRUE(FilePath(temp / "Data").IsFolder(false));
    EXPECT_TRUE(FilePath(temp / "Data\\").IsFolder(false));
    EXPECT_FALSE(FilePath(temp / "file.txt").IsFolder(false));
    EXPECT_FALSE(FilePath(temp / "missing\\").IsFolder(false));
}

TEST(IsFolder, FolderNameEndingInTrailByte0x5C)
{
    TempFolder temp;
    std::string folder = temp / "ソ";  // 0x83 0x5C
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    EXPECT_TRUE(FilePath(folder).IsFolder(false));
    EXPECT_TRUE(FilePath(folder + "\\").IsFolder(false));
}

TEST(IsFolder, ExpandsReferences)
{
    TempFolder temp;
    SetEnvironmentVariableA("OMBRIX_TEST_TEMP", temp.path().c_str());
    EXPECT_TRUE(FilePath("%OMBRIX_TEST_TEMP%").IsFolder(false));
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

TEST(RemoveAndRename, MissingFileIsNoFailureForRemove)
{
    TempFolder temp;
    EXPECT_TRUE(FilePath(temp / "none.txt").RemoveFile(false));
    ASSERT_TRUE(WriteFileBytes(temp / "a.txt", "a"));
    EXPECT_TRUE(FilePath(temp / "a.txt").RenameFile(temp / "a.txt.bak", false));
    EXPECT_FALSE(FileExists(temp / "a.txt"));
    EXPECT_TRUE(FileExists(temp / "a.txt.bak"));
    EXPECT_FALSE(FilePath(temp / "a.txt").RenameFile(temp / "b.txt", false));
    EXPECT_TRUE(FilePath(temp / "a.txt.bak").RemoveFile(false));
    EXPECT_FALSE(FileExists(temp / "a.txt.bak"));
}

TEST(IsMissing, OnlyAMissingFileCounts)
{
    TempFolder temp;
    ASSERT_TRUE(WriteFileBytes(temp / "here.txt", "x"));
    EXPECT_FALSE(FilePath(temp / "here.txt").IsMissing(false));
    EXPECT_TRUE(FilePath(temp / "gone.txt").IsMissing(false));
    // A missing folder is another error (path not found).
    EXPECT_FALSE(FilePath(temp / "nofolder\\gone.txt").IsMissing(false));
}
