// Telling the special folders among the desktop's items, as the desktop
// menu of the assistant and the resident's folder entries need it.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <map>
#include "menufile/special_folder_shell.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/wide_text.h"

TEST(SpecialFolderShell, TheDesktopsItemsAreFoundByTheirFolder)
{
    win32::ComScope com;
    win32::ComPtr<IShellFolder> desktop;
    ASSERT_TRUE(SUCCEEDED(SHGetDesktopFolder(desktop.put())));
    win32::ComPtr<IEnumIDList> items;
    ASSERT_EQ(desktop->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, items.put()), S_OK);
    menufile::SpecialFolderMatcher matcher;
    std::map<int, int> found;  // CSIDL value -> count
    LPITEMIDLIST child = nullptr;
    ULONG fetched = 0;
    while (items->Next(1, &child, &fetched) == S_OK) {
        win32::UniqueItemIdList own(child);
        ++found[matcher.Find(desktop.get(), child)];
    }
    // This desktop shows the computer, the bin and the user's documents.
    EXPECT_EQ(found[CSIDL_DRIVES], 1);
    EXPECT_EQ(found[CSIDL_BITBUCKET], 1);
    EXPECT_EQ(found[CSIDL_PERSONAL], 1);

    testing_support::TempFolder plain("plain");
    std::wstring wide = win32::WideFromAnsi(plain.path());
    win32::UniqueItemIdList folder;
    ASSERT_TRUE(SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, folder.put(), nullptr)));
    EXPECT_EQ(matcher.Find(desktop.get(), folder.get()), -1);
    EXPECT_EQ(matcher.Find(desktop.get(), menufile::SpecialFolderIdList(CSIDL_DESKTOP).get()), CSIDL_DESKTOP);
    EXPECT_FALSE(menufile::SpecialFolderIdList(-1));
    EXPECT_FALSE(menufile::SpecialFolderExists(15));
}
