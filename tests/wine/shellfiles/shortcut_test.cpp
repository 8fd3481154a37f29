// Shortcuts made, read back through the shell link object, and updated.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <string>
#include <thread>
#include "shellfiles/shortcut.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/shortcut_reader.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"

using testing_support::FileExists;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

namespace {

win32::ComPtr<IShellLinkA> LoadLink(const std::string& file)
{
    win32::ComPtr<IShellLinkA> link;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void());
    win32::ComPtr<IPersistFile> persist = link.Query<IPersistFile>(IID_IPersistFile);
    if (!persist || FAILED(persist->Load(win32::WideFromAnsi(file).c_str(), STGM_READ)))
        return {};
    return link;
}

win32::ShortcutData ReadLink(const std::string& file)
{
    win32::ShortcutReadResult result = win32::ReadShortcut(nullptr, file);
    EXPECT_TRUE(result.ok) << result.failure;
    return result.data;
}

// Sets a description and arguments, as a user's shortcut would have them.
void AddUserProperties(const std::string& file)
{
    win32::ComPtr<IShellLinkA> link = LoadLink(file);
    ASSERT_TRUE(link);
    link->SetDescription("user's note");
    link->SetArguments("/user");
    win32::ComPtr<IPersistFile> persist = link.Query<IPersistFile>(IID_IPersistFile);
    ASSERT_TRUE(SUCCEEDED(persist->Save(nullptr, TRUE)));
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

TEST_F(Shortcuts, CreatedThenUpdatedKeepingTheOtherProperties)
{
    std::string file = temp_ / "link.lnk";
    win32::UniqueItemIdList first = IdList("first.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, first.get()));
    EXPECT_EQ(file, temp_ / "link.lnk");
    EXPECT_EQ(ReadLink(file).targetPath, temp_ / "first.txt");
    EXPECT_EQ(ReadLink(file).arguments, "");
    AddUserProperties(file);

    win32::UniqueItemIdList second = IdList("second.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, second.get(), "D:\\icons.dll", 4));
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
    std::thread worker([&] {
        win32::ComScope com;
        created = shellfiles::CreateShortcut(file, target.get());
    });
    HWND box = testing_support::WaitForOwnWindow("#32770", "Q-Fendix", 30000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(testing_support::MessageBoxText(box), "IPersistFile::Save failed.\n" + file);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    worker.join();
    EXPECT_FALSE(created);
}
