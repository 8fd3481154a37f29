// Saving menu files under Wine: the text that lands, the versions kept for
// the assistant and for the editor, and failures that must leave the old
// file byte for byte with no temporary file behind.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "menufile/menu_file_backups.h"
#include "menufile/menu_file_saver.h"
#include "resources/setup/resource_ids.h"
#include "tests/host/menufile/menufile_test_support.h"
#include "tests/support/test_support.h"

using namespace menufile;
using namespace testing_support;

namespace {

const char kUsersMenu[] = "POPUP x\r\nMENUITEM C:\\mine.exe, mine\r\nEND\r\n";

std::unique_ptr<MenuList> MenuOf(const std::string& path)
{
    return menufile_test::List(menufile_test::Entry(0, path));
}

MenuFileSaver Saver(Backup backup)
{
    menufile::SaverArgs args;
    args.instance = GetModuleHandleA(nullptr);
    args.headerId = IDR_MENU_HEADER;
    args.fallbackDisplayText = "none";
    args.displayName = [](const menufile::MenuEntry& entry) { return "name of " + entry.text1; };
    args.backup = backup;
    return MenuFileSaver(std::move(args));
}

class Saving : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteFileBytes(target(), kUsersMenu)); }
    std::string target() const { return folder_ / "menu_l.txt"; }
    std::string backup(int generation = 1) const { return menufile::BackupName(target(), generation); }
    DWORD Save(MenuFileSaver& saver, const std::string& item) { return saver.Save(target(), *MenuOf(item)); }

    std::vector<std::string> Names() const { return testing_support::FileNames(folder_ / "*"); }
    // The failed save left the user's file and nothing else.
    void ExpectUntouched(size_t names = 1)
    {
        EXPECT_EQ(ReadFileBytes(target()), kUsersMenu);
        EXPECT_EQ(Names().size(), names) << "a temporary file was left behind";
    }

    TempFolder folder_{"saver"};
};

}  // namespace

TEST_F(Saving, TheNewTextReplacesTheFileWithTheProgramsHeader)
{
    MenuFileSaver saver = Saver(Backup::None);
    ASSERT_EQ(Save(saver, "C:\\a.exe"), static_cast<DWORD>(NO_ERROR));
    std::string text = ReadFileBytes(target());
    EXPECT_NE(text.find("\r\n; POPUP desc[,icon path][,icon no]\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nPOPUP menu_l.txt\r\nBEGIN\r\n    MENUITEM C:\\a.exe, \"name of C:\\a.exe\", , , 0\r\nEND\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(Names(), std::vector<std::string>{"menu_l.txt"});
}

TEST_F(Saving, TheAssistantKeepsGenerationsAndNeverDropsTheUsersFileForARepeat)
{
    MenuFileSaver saver = Saver(Backup::Generations);
    // A setup that runs again writes the same samples: no new version.
    for (int run = 0; run < 6; ++run)
        ASSERT_EQ(Save(saver, "sample"), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(ReadFileBytes(backup(1)), kUsersMenu);
    EXPECT_FALSE(FileExists(backup(2)));

    // New versions push the oldest out.
    for (int run = 0; run < 3; ++run)
        ASSERT_EQ(Save(saver, "version" + std::to_string(run)), static_cast<DWORD>(NO_ERROR));
    EXPECT_NE(ReadFileBytes(backup(1)).find("MENUITEM version1"), std::string::npos);
    EXPECT_NE(ReadFileBytes(backup(3)).find("MENUITEM sample"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(backup(4)), kUsersMenu);
    EXPECT_FALSE(FileExists(backup(5)));
    EXPECT_EQ(Names().size(), 5u);
    ASSERT_EQ(Save(saver, "version3"), static_cast<DWORD>(NO_ERROR));
    EXPECT_NE(ReadFileBytes(backup(4)).find("MENUITEM sample"), std::string::npos);
    EXPECT_FALSE(FileExists(backup(5)));
}

TEST_F(Saving, TheEditorKeepsTheFileAsItWasBeforeTheSession)
{
    ASSERT_TRUE(WriteFileBytes(backup(), "the session before"));
    {
        MenuFileSaver session = Saver(Backup::SessionStart);
        ASSERT_EQ(Save(session, "one"), static_cast<DWORD>(NO_ERROR));
        EXPECT_EQ(ReadFileBytes(backup()), kUsersMenu);
        ASSERT_EQ(session.Save(folder_ / "MENU_L.TXT", *MenuOf("two")), static_cast<DWORD>(NO_ERROR));
        EXPECT_EQ(ReadFileBytes(backup()), kUsersMenu);
        EXPECT_NE(ReadFileBytes(target()).find("MENUITEM two"), std::string::npos);
    }
    MenuFileSaver next = Saver(Backup::SessionStart);
    ASSERT_EQ(Save(next, "three"), static_cast<DWORD>(NO_ERROR));
    EXPECT_NE(ReadFileBytes(backup()).find("MENUITEM two"), std::string::npos);
}

TEST_F(Saving, AFileThatCannotBeKeptOrReplacedStaysAsItWas)
{
    // Held open without sharing by another program: it can neither be
    // copied aside nor replaced.
    {
        HANDLE held = CreateFileA(target().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        MenuFileSaver saver = Saver(Backup::Generations);
        EXPECT_EQ(Save(saver, "held"), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        MenuFileSaver none = Saver(Backup::None);
        EXPECT_NE(Save(none, "held"), static_cast<DWORD>(NO_ERROR));
        CloseHandle(held);
    }
    ExpectUntouched();
    // A backup that cannot be written: the file is not replaced either.
    ASSERT_TRUE(CreateDirectoryA(backup().c_str(), nullptr));
    MenuFileSaver session = Saver(Backup::SessionStart);
    EXPECT_NE(Save(session, "no backup"), static_cast<DWORD>(NO_ERROR));
    ExpectUntouched(2);
    // Neither a folder in the file's place nor a missing folder.
    EXPECT_NE(session.Save(backup(), *MenuOf("x")), static_cast<DWORD>(NO_ERROR));
    EXPECT_NE(session.Save(folder_ / "missing\\menu.txt", *MenuOf("x")), static_cast<DWORD>(NO_ERROR));
    ExpectUntouched(2);
}
