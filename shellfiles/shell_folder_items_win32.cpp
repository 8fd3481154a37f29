#include "shellfiles/shell_folder_items.h"

#include <shellapi.h>

namespace shellfiles {

win32::ComPtr<IShellFolder> BindFolder(IShellFolder* desktop, LPCITEMIDLIST folderId)
{
    if (!folderId || folderId->mkid.cb == 0)
        return win32::ComPtr<IShellFolder>::Share(desktop);
    win32::ComPtr<IShellFolder> folder;
    desktop->BindToObject(folderId, nullptr, IID_IShellFolder, folder.put_void());
    return folder;
}

ShellFolderItem DescribeShellItem(win32::UniqueItemIdList idList)
{
    ShellFolderItem item;
    SHFILEINFOA info = {};
    info.iIcon = -1;
    SHGetFileInfoA(reinterpret_cast<const char*>(idList.get()), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES | SHGFI_SYSICONINDEX);
    item.displayName = info.szDisplayName;
    item.attributes = info.dwAttributes;
    item.image = info.iIcon;
    item.idList = std::move(idList);
    return item;
}

std::vector<ShellFolderItem> ReadShellFolder(LPCITEMIDLIST folderId)
{
    std::vector<ShellFolderItem> items;
    win32::ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.put())))
        return items;
    win32::ComPtr<IShellFolder> folder = BindFolder(desktop.get(), folderId);
    win32::ComPtr<IEnumIDList> list;
    if (!folder || folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, list.put()) != S_OK || !list)
        return items;
    LPITEMIDLIST child = nullptr;
    ULONG fetched = 0;
    while (list->Next(1, &child, &fetched) == S_OK && fetched == 1) {
        win32::UniqueItemIdList own(child);
        win32::UniqueItemIdList full(ILCombine(folderId, child));
        if (full)
            items.push_back(DescribeShellItem(std::move(full)));
    }
    return items;
}

}  // namespace shellfiles
