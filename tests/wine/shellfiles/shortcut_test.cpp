// Shortcuts made, read back through the shell link object, and updated.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <string>
#include "shellfiles/shortcut.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

using testing_support::FileExists;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

namespace {

struct LinkContents {
    std::string path;
    std::string description;
    std::string arguments;
    std::string iconPath;
    int iconNumber = 0;
};

win32::ComPtr<IShellLinkA> LoadLink(const std::string& file)
{
    win32::ComPtr<IShellLinkA> link;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void());
    win32::ComPtr<IPersistFile> persist = link.Query<IPersistFile>(IID_IPersistFile);
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (!persist || FAILED(persist->Load(wide, STGM_READ)))
        return {};
    return link;
}

LinkContents ReadLink(const std::string& file)
{
    LinkContents contents;
    win32::ComPtr<IShellLinkA> link = LoadLink(file);
    if (!link)
        return contents;
    char text[MAX_PATH] = "";
    if (link->GetPath(text, MAX_PATH, nullptr, 0) == S_OK)
        contents.path = text;
    text[0] = '\0';
    link->GetDescription(text, MAX_PATH);
    contents.description = text;
    text[0] = '\0';
    link->GetArguments(text, MAX_PATH);
    contents.arguments = text;
    text[0] = '\0';
    link->GetIconLocation(text, MAX_PATH, &contents.iconNumber);
    contents.iconPath = text;
    return contents;
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

TEST_F(Shortcuts, CreatedWithTargetAndWithoutIcon)
{
    std::string file = temp_ / "first.lnk";
    win32::UniqueItemIdList target = IdList("first.txt");
    ASSERT_TRUE(target);
    ASSERT_TRUE(shellfiles::CreateShortcut(file, target.get()));
    EXPECT_EQ(file, temp_ / "first.lnk");
    LinkContents contents = ReadLink(file);
    EXPECT_EQ(contents.path, temp_ / "first.txt");
    EXPECT_EQ(contents.iconPath, "");
    EXPECT_EQ(contents.arguments, "");
}

TEST_F(Shortcuts, UpdatingKeepsTheOtherProperties)
{
    std::string file = temp_ / "link.lnk";
    win32::UniqueItemIdList first = IdList("first.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, first.get()));
    AddUserProperties(file);

    win32::UniqueItemIdList second = IdList("second.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, second.get(), "D:\\icons.dll", 4));
    LinkContents contents = ReadLink(file);
    EXPECT_EQ(contents.path, temp_ / "second.txt");
    EXPECT_EQ(contents.description, "user's note");
    EXPECT_EQ(contents.arguments, "/user");
    EXPECT_EQ(contents.iconPath, "D:\\icons.dll");
    EXPECT_EQ(contents.iconNumber, 4);
}

TEST_F(Shortcuts, FileNameIsCleanedInPlace)
{
    std::string file = temp_ / "What? Now*ポ.lnk";
    win32::UniqueItemIdList target = IdList("first.txt");
    ASSERT_TRUE(shellfiles::CreateShortcut(file, target.get()));
    EXPECT_EQ(file, temp_ / "What Nowポ.lnk");
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ReadLink(file).path, temp_ / "first.txt");
}
