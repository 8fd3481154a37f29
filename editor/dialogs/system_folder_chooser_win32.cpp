#include "editor/dialogs/system_folder_chooser.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string>
#include "editor/command_text.h"
#include "editor/dialogs/system_folders.h"
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

enum Column { kName, kNumber, kPath };

HIMAGELIST SmallSystemImages()
{
    SHFILEINFOA info = {};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

void SetCell(HWND list, int row, int column, const std::string& text)
{
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void AddRow(HWND list, int row, const SystemFolder& folder)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | (folder.image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.pszText = const_cast<char*>(folder.displayName.c_str());
    item.iImage = folder.image;
    item.lParam = folder.csidl;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SetCell(list, row, kNumber, std::to_string(folder.csidl));
    SetCell(list, row, kPath, folder.path);
}

win32::UniqueIcon FolderIcon(int csidl)
{
    win32::UniqueItemIdList list = menufile::SpecialFolderIdList(csidl);
    SHFILEINFOA info = {};
    if (!list || !SHGetFileInfoA(reinterpret_cast<LPCSTR>(list.get()), 0, &info, sizeof info,
                                 SHGFI_PIDL | SHGFI_ICON | SHGFI_LARGEICON))
        return {};
    return win32::UniqueIcon(info.hIcon);
}

}  // namespace

INT_PTR SystemFolderChooser::Run(HWND parent)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    return DoModal(instance_, IDD_SYSTEM_FOLDER_CHOOSER, parent);
}

bool SystemFolderChooser::OnInit()
{
    HWND list = Item(IDC_FOLDER_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(SmallSystemImages()));
    AddColumns();
    FillList();
    EnableWindow(Item(IDOK), FALSE);
    PlaceControls();
    return true;
}

void SystemFolderChooser::AddColumns()
{
    HWND list = Item(IDC_FOLDER_LIST);
    for (int column : {kName, kNumber, kPath}) {
        LVCOLUMNA format = {};
        format.mask = LVCF_FMT | LVCF_SUBITEM;
        format.fmt = column == kNumber ? LVCFMT_RIGHT : LVCFMT_LEFT;
        format.iSubItem = column;
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&format));
    }
}

void SystemFolderChooser::FillList()
{
    HWND list = Item(IDC_FOLDER_LIST);
    std::vector<SystemFolder> folders = NamedSystemFolders();
    for (size_t row = 0; row < folders.size(); ++row)
        AddRow(list, static_cast<int>(row), folders[row]);
    int number = static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("999")));
    SendMessageA(list, LVM_SETCOLUMNWIDTH, kName, LVSCW_AUTOSIZE);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, kNumber, number + 16);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, kPath, LVSCW_AUTOSIZE);
}

int SystemFolderChooser::SelectedFolder() const
{
    HWND list = Item(IDC_FOLDER_LIST);
    int row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    if (row < 0)
        return -1;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

bool SystemFolderChooser::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_FOLDER_LIST)
        return false;
    if (header.code == LVN_ITEMCHANGED)
        ShowSelection();
    else if (header.code == NM_DBLCLK && SelectedFolder() >= 0)
        PostMessageA(handle(), WM_COMMAND, IDOK, 0);
    return false;
}

void SystemFolderChooser::ShowSelection()
{
    int csidl = SelectedFolder();
    EnableWindow(Item(IDOK), csidl >= 0);
    int nameId = csidl >= 0 ? menufile::SpecialFolderNameId(csidl) : 0;
    SetDlgItemTextA(handle(), IDC_FOLDER_TEXT, nameId ? LoadText(instance_, nameId).c_str() : "");
    win32::UniqueIcon previous = std::move(icon_);
    icon_ = csidl >= 0 ? FolderIcon(csidl) : win32::UniqueIcon();
    SendDlgItemMessageA(handle(), IDC_FOLDER_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
}

void SystemFolderChooser::OnOK()
{
    int csidl = SelectedFolder();
    if (csidl < 0)
        return;
    folder_ = csidl;
    End(IDOK);
}

void SystemFolderChooser::PlaceControls()
{
    layout_.Add(Item(IDC_FOLDER_LIST), win32::AnchorLayout::kGrowX | win32::AnchorLayout::kGrowY);
    layout_.Add(Item(IDC_FOLDER_GROUP), win32::AnchorLayout::kMoveY | win32::AnchorLayout::kGrowX);
    layout_.Add(Item(IDC_FOLDER_ICON), win32::AnchorLayout::kMoveY);
    layout_.Add(Item(IDC_FOLDER_TEXT), win32::AnchorLayout::kMoveY | win32::AnchorLayout::kGrowX);
    layout_.Add(Item(IDOK), win32::AnchorLayout::kMoveX | win32::AnchorLayout::kMoveY);
    layout_.Add(Item(IDCANCEL), win32::AnchorLayout::kMoveX | win32::AnchorLayout::kMoveY);
    layout_.Start(handle());
}

INT_PTR SystemFolderChooser::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        layout_.Resize();
        return TRUE;
    }
    if (message == WM_GETMINMAXINFO) {
        layout_.Limit(*reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    }
    return Dialog::OnMessage(message, wParam, lParam);
}

}  // namespace editor
