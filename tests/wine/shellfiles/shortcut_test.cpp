// Shortcuts made and updated, read back through the shell link object.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <string>
#include "shellfiles/shortcut.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/shortcut_reader.h"
#include "win32/unique_handle.h"

using namespace testing_support;

namespace {

win32::ShortcutData ReadLink(const std::string& file)
{
    win32::ShortcutReadResult result = win32::ReadShortcut(nullptr, file);
    EXPECT_TRUE(result.ok) << result.failure;
    return result.data;
}

class Shortcuts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(com_.result()));
        ASSERT_TRUE(WriteFileBytes(temp_ / "first.txt", "1"));
        ASSERT_TRUE(WriteFileBytes(temp_ / "second.txt", "2"));
    }
    win32::UniqueItemIdList IdList(const std::string& name)
    {
        return win32::UniqueItemIdList(ILCreateFromPathA((temp_ / name).c_str()));
    }

    win32::ComScope com_;
    TempFolder temp_;
};

}  // namespace

TEST_F(Shortcuts, AnUpdateSetsTargetAndIconAndKeepsTheUsersProperties)
{
    std::string file = temp_ / "link.lnk";
    win32::ShortcutData users;
    users.targetPath = temp_ / "first.txt";
    users.description = "user's note";
    users.arguments = "/user";
    testing_support::WriteShortcut(file, users);
    win32::UniqueItemIdList second = IdList("second.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, second.get(), "D:\\icons.dll", 4));
    EXPECT_EQ(file, temp_ / "link.lnk");
    win32::ShortcutData contents = ReadLink(file);
    EXPECT_EQ(contents.targetPath, temp_ / "second.txt");
    EXPECT_EQ(contents.description, "user's note");
    EXPECT_EQ(contents.arguments, "/user");
    EXPECT_EQ(contents.iconPath, "D:\\icons.dll");
    EXPECT_EQ(contents.iconIndex, 4);
}

TEST_F(Shortcuts, FileNameIsCleanedInPlace)
{
    std::string file = temp_ / "What? Now*ポ.lnk";
    win32::UniqueItemIdList target = IdList("first.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, target.get()));
    EXPECT_EQ(file, temp_ / "What Nowポ.lnk");
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ReadLink(file).targetPath, temp_ / "first.txt");
}

TEST_F(Shortcuts, OneThatCannotBeSavedIsReportedAndTheProgramGoesOn)
{
    // A folder in the place of the shortcut file.
    std::string file = temp_ / "blocked.lnk";
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));
    win32::UniqueItemIdList target = IdList("first.txt");
    bool created = true;
    auto create = [&] { created = shellfiles::CreateShortcut(file, target.get()); };
    EXPECT_EQ(testing_support::AnswerBox(IDOK, create), "IPersistFile::Save failed.\n" + file);
    EXPECT_FALSE(created);
}
