// The system-folder chooser: the named special folders that exist, in
// order, and OK only with a folder selected.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <shlobj.h>
#include "editor/dialogs/system_folder_chooser.h"
#include "modal_script.h"
#include "resources/editor/resource_ids.h"
#include "screenshot.h"

namespace {

using dialogs_test::ItemText;

// Read from the shell directly: which values have a name is the chooser's
// table, written out here once more on purpose.
std::vector<int> NamedFoldersThatExist()
{
    std::vector<int> folders;
    for (int csidl = 0; csidl <= 48; ++csidl) {
        bool unnamed = (csidl >= 12 && csidl <= 15) || csidl == 41 || csidl == 42 || csidl == 44;
        LPITEMIDLIST list = nullptr;
        if (!unnamed && SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list)))
            folders.push_back(csidl);
        CoTaskMemFree(list);
    }
    return folders;
}

std::vector<int> Rows(HWND list)
{
    std::vector<int> rows;
    LVITEMA item = {LVIF_PARAM};
    for (item.iItem = 0; item.iItem < ListView_GetItemCount(list); ++item.iItem) {
        ListView_GetItem(list, &item);
        rows.push_back(static_cast<int>(item.lParam));
    }
    return rows;
}

std::string Cell(HWND list, int row, int column)
{
    char text[MAX_PATH] = "";
    ListView_GetItemText(list, row, column, text, MAX_PATH);
    return text;
}

TEST(SystemFolderChooser, ListsTheNamedFoldersThatExistAndOffersOkOnlyForASelection)
{
    std::vector<int> expected = NamedFoldersThatExist();
    ASSERT_GT(expected.size(), 20u);
    char windowsFolder[MAX_PATH] = "";
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    editor::SystemFolderChooser chooser(GetModuleHandleA(nullptr));
    HWND list = nullptr;
    std::vector<int> rows;
    auto rowOf = [&](int csidl) {
        return static_cast<int>(std::find(rows.begin(), rows.end(), csidl) - rows.begin());
    };
    auto select = [&](int row) { ListView_SetItemState(list, row, row < 0 ? 0 : LVIS_SELECTED, LVIS_SELECTED); };
    dialogs_test::ModalScript script;
    script.Then([&] { return (list = chooser.Item(IDC_FOLDER_LIST)) != nullptr; })
        .Then([&] {
            rows = Rows(list);
            EXPECT_EQ(rows, expected);
            EXPECT_FALSE(IsWindowEnabled(chooser.Item(IDOK)));
            PostMessageA(chooser.handle(), WM_COMMAND, IDOK, 0);  // nothing chosen: the chooser stays
            return true;
        })
        .Then([&] {
            int windows = rowOf(CSIDL_WINDOWS);
            select(windows);
            EXPECT_EQ(ItemText(chooser.handle(), IDC_FOLDER_TEXT), "Windowsディレクトリ");
            EXPECT_EQ(Cell(list, windows, 1) + " " + Cell(list, windows, 2), "36 " + std::string(windowsFolder));
            EXPECT_EQ(Cell(list, rowOf(CSIDL_PRINTERS), 2), "");  // a folder without a path
            select(-1);
            EXPECT_FALSE(IsWindowEnabled(chooser.Item(IDOK)));
            select(windows);
            ListView_EnsureVisible(list, windows, FALSE);
            return dialogs_test::SaveScreenshot(chooser.handle(), "system_folder_chooser.bmp");
        })
        .Then([&] { dialogs_test::Click(chooser.Item(IDOK)); return true; });
    EXPECT_EQ(script.Run([&] { return chooser.Run(nullptr); }), IDOK);
    EXPECT_EQ(chooser.folder(), CSIDL_WINDOWS);
}

}  // namespace
