// Folder menus on folders the tests make: what a SHOWFOLDER path resolves
// to, what the menus hold when they open, how deep they nest, and how long
// their entries live.
#include <shlobj.h>
#include <shlwapi.h>
#include "resident/menus/launch_map.h"
#include "tests/support/test_support.h"
#include "tests/wine/folders/folder_fixture.h"

namespace {

using resident::KIND_COMMAND;
using resident::KIND_SEPARATOR;
using resident::KIND_SUBMENU;
using namespace testing_support;
using Names = std::vector<std::string>;

// Data\ with two subfolders and three files, made in an order that is not
// the menu's.
std::string MakeDataFolder(const TempFolder& temp)
{
    std::string data = temp / "Data\\";
    MakeFolder(data);
    MakeFile(data + "c.txt");
    MakeFolder(data + "b sub");
    MakeFile(data + "B.txt");
    MakeFolder(data + "A sub");
    MakeFile(data + "a.txt");
    MakeFolder(data + "A sub\\deep");
    MakeFile(data + "A sub\\inner.txt");
    return data;
}

std::string PathOfEntry(const resident::FolderRegistry& registry, const std::string& target)
{
    unsigned long key = strtoul(target.c_str() + 3, nullptr, 16);
    LPCITEMIDLIST list = registry.FindFolderEntry(key);
    char path[MAX_PATH] = "";
    if (list)
        SHGetPathFromIDListA(list, path);
    return path;
}

TEST_F(FolderMenuTest, HeaderSeparatorThenFoldersThenFilesByNameAlsoThroughAShortcut)
{
    TempFolder temp("folders");
    std::string data = MakeDataFolder(temp);
    WriteShortcut(temp / "to data.lnk", {temp / "Data"});
    HMENU link = RegisterFolder(temp / "to data.lnk");
    ASSERT_NE(link, nullptr);
    HMENU menu = RegisterFolder(temp / "Data");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 0) << "nothing is read before the menu opens";

    std::vector<ShownItem> items = Open(menu);
    EXPECT_EQ(Texts(menu), (Names{"Data", "", "A sub", "b sub", "a.txt", "B.txt", "c.txt"}));
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[1].kind, KIND_SEPARATOR);
    // Subfolders are plain entries at depth 0; every entry has the next id.
    for (size_t i : {0, 2, 3, 4, 5, 6}) {
        EXPECT_EQ(items[i].kind, KIND_COMMAND) << i;
        EXPECT_EQ(items[i].id, 2000u + (i == 0 ? 0 : i - 1)) << i;
    }
    EXPECT_EQ(launchMap.size(), 6u);
    EXPECT_EQ(lstrcmpiA(PathOfEntry(registry, items[0].target).c_str(), (temp / "Data").c_str()), 0);
    EXPECT_EQ(lstrcmpiA(PathOfEntry(registry, items[2].target).c_str(), (data + "A sub").c_str()), 0);
    EXPECT_EQ(lstrcmpiA(PathOfEntry(registry, items[5].target).c_str(), (data + "B.txt").c_str()), 0);
    Open(link);
    EXPECT_EQ(Texts(link), Texts(menu)) << "a shortcut to a folder shows that folder";
}

TEST_F(FolderMenuTest, DepthTwoFillsSubmenusWhenTheyOpenAndOnlyOncePerPopup)
{
    TempFolder temp("folders");
    std::string data = MakeDataFolder(temp);
    HMENU menu = RegisterFolder(data, 2);
    std::vector<ShownItem> items = Open(menu);
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[2].kind, KIND_SUBMENU);
    EXPECT_EQ(items[2].text, "A sub");
    ASSERT_NE(items[2].submenu, nullptr);
    EXPECT_EQ(items[4].kind, KIND_COMMAND);
    EXPECT_EQ(launchMap.size(), 4u) << "the header and three files";

    HMENU sub = items[2].submenu;
    EXPECT_EQ(GetMenuItemCount(sub), 0);
    std::vector<ShownItem> inner = Open(sub);
    // No header in a nested menu; its own subfolders are plain entries.
    EXPECT_EQ(Texts(sub), (Names{"deep", "inner.txt"}));
    EXPECT_EQ(inner[0].kind, KIND_COMMAND);
    EXPECT_EQ(lstrcmpiA(PathOfEntry(registry, inner[1].target).c_str(), (data + "A sub\\inner.txt").c_str()), 0);

    size_t entries = registry.EntryCount();
    MakeFile(data + "added.txt");
    MakeFile(data + "A sub\\added.txt");
    EXPECT_EQ(Open(menu).size(), 7u);
    EXPECT_EQ(Open(sub).size(), 2u);
    EXPECT_EQ(registry.EntryCount(), entries);

    NewPopup();
    EXPECT_EQ(registry.EntryCount(), 0u);
    EXPECT_EQ(registry.MenuCount(), 0u);
    menu = RegisterFolder(data, 2);
    EXPECT_EQ(Open(menu).size(), 8u);
}

TEST_F(FolderMenuTest, HiddenFilesAreLeftOutAndNamesShowTheirAmpersands)
{
    TempFolder temp("folders");
    MakeFile(temp / "A&B.txt");
    MakeFile(temp / "hidden.txt");
    SetFileAttributesA((temp / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    HMENU menu = RegisterFolder(temp.path());
    std::vector<ShownItem> items = Open(menu);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].text, "A&&B.txt");
    EXPECT_EQ(resident::MenuTextOfName("&a&&"), "&&a&&&&");
    EXPECT_EQ(resident::MenuTextOfName("表&ソ"), "表&&ソ");
}

TEST_F(FolderMenuTest, PathsThatAreNoFolderStayEmptySubmenus)
{
    TempFolder temp("folders");
    MakeFile(temp / "plain.txt");
    WriteShortcut(temp / "to file.lnk", {temp / "plain.txt"});
    for (const std::string& path : {temp / "plain.txt", temp / "missing", temp / "to file.lnk",
                                    std::string("&#999"), std::string()})
        EXPECT_EQ(RegisterFolder(path), nullptr) << path;
    EXPECT_EQ(registry.MenuCount(), 0u);
}

// The drives keep the shell's order and count as folders without being
// asked; the desktop has no header.
TEST_F(FolderMenuTest, DrivesAreListedInTheShellsOrderAndTheDesktopHasNoHeader)
{
    HMENU desktopMenu = RegisterFolder("&#0");
    ASSERT_NE(desktopMenu, nullptr);
    for (const ShownItem& item : Open(desktopMenu))
        EXPECT_NE(item.kind, KIND_SEPARATOR) << item.text;

    win32::ComPtr<IShellFolder> desktop;
    SHGetDesktopFolder(desktop.put());
    win32::UniqueItemIdList drivesList;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, drivesList.put());
    win32::ComPtr<IShellFolder> drives;
    desktop->BindToObject(drivesList.get(), nullptr, IID_IShellFolder, drives.put_void());
    win32::ComPtr<IEnumIDList> children;
    drives->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, children.put());
    Names expected;
    LPITEMIDLIST child = nullptr;
    while (children->Next(1, &child, nullptr) == S_OK) {
        win32::UniqueItemIdList owned(child);
        STRRET name = {};
        char text[MAX_PATH] = "";
        drives->GetDisplayNameOf(child, SHGDN_NORMAL, &name);
        StrRetToBufA(&name, child, text, sizeof text);
        expected.push_back(text);
    }
    ASSERT_GE(expected.size(), 2u);

    HMENU menu = RegisterFolder("&#17", 2);
    std::vector<ShownItem> items = Open(menu);
    Names shown;
    for (size_t i = 2; i < items.size(); ++i) {
        shown.push_back(items[i].text);
        EXPECT_EQ(items[i].kind, KIND_SUBMENU) << items[i].text;
    }
    EXPECT_EQ(shown, expected);
}

}  // namespace

// Shortcuts are read while the popup is built: broken ones (the target gone,
// a server or drive that is not there) leave their submenus empty without
// holding the click. The shell's own default wait is 3 s a shortcut; a
// second each is more than the build may take.
TEST_F(FolderMenuTest, BrokenShortcutsLeaveEmptySubmenusWithoutWaiting)
{
    TempFolder temp("folders");
    std::vector<std::string> targets = {"\\\\nosuchserver\\share\\folder", "Q:\\no\\such\\folder"};
    for (int i = 0; i < 4; ++i) {
        targets.push_back(temp / ("gone" + std::to_string(i)));
        MakeFolder(targets.back());
    }
    for (size_t i = 0; i < targets.size(); ++i)
        WriteShortcut(temp / (std::to_string(i) + ".lnk"), {targets[i]});
    for (size_t i = 2; i < targets.size(); ++i)
        ASSERT_TRUE(RemoveDirectoryA(targets[i].c_str()));
    DWORD start = GetTickCount();
    for (size_t i = 0; i < targets.size(); ++i)
        EXPECT_EQ(RegisterFolder(temp / (std::to_string(i) + ".lnk")), nullptr) << targets[i];
    EXPECT_LT(GetTickCount() - start, 1000u * targets.size());
}
