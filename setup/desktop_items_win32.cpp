#include "setup/desktop_items.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"
#include "shellfiles/file_path.h"
#include "shellfiles/shortcut.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace setup {

namespace {

struct DesktopItem {
    std::string displayName;
    DWORD attributes = 0;
    win32::UniqueItemIdList idList;  // absolute
};

win32::ComPtr<IShellFolder> DesktopFolder(LPCITEMIDLIST desktopId, IShellFolder* desktop)
{
    if (!desktopId || desktopId->mkid.cb == 0)
        return win32::ComPtr<IShellFolder>::Share(desktop);
    win32::ComPtr<IShellFolder> folder;
    desktop->BindToObject(desktopId, nullptr, IID_IShellFolder, folder.put_void());
    return folder;
}

std::vector<DesktopItem> EnumerateDesktop(LPCITEMIDLIST desktopId, IShellFolder* folder)
{
    std::vector<DesktopItem> items;
    win32::ComPtr<IEnumIDList> list;
    if (folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, list.put()) != S_OK || !list)
        return items;
    LPITEMIDLIST child = nullptr;
    ULONG fetched = 0;
    while (list->Next(1, &child, &fetched) == S_OK && fetched == 1) {
        win32::UniqueItemIdList own(child);
        DesktopItem item;
        item.idList.reset(ILCombine(desktopId, child));
        SHFILEINFOA info = {};
        SHGetFileInfoA(reinterpret_cast<const char*>(item.idList.get()), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES | SHGFI_SYSICONINDEX);
        item.displayName = info.szDisplayName;
        item.attributes = info.dwAttributes;
        if (item.idList)
            items.push_back(std::move(item));
    }
    return items;
}

std::string EntryText(IShellFolder* desktop, menufile::SpecialFolderMatcher& special, const DesktopItem& item,
                      const std::string& poolPath)
{
    if (item.attributes & SFGAO_FILESYSTEM) {
        char path[MAX_PATH];
        return SHGetPathFromIDListA(item.idList.get(), path) ? path : "";
    }
    int csidl = special.Find(desktop, item.idList.get());
    if (csidl == menufile::kRecycleBin || csidl == menufile::kDrivesFolder)
        return {};
    if (csidl >= 0)
        return menufile::SpecialFolderEntryText(csidl);
    if (!(item.attributes & SFGAO_CANLINK))
        return {};
    std::string shortcut = shellfiles::FilePath(poolPath).str() + item.displayName + ".lnk";
    return shellfiles::CreateShortcut(shortcut, item.idList.get()) ? shortcut : "";
}

}  // namespace

std::vector<std::string> DesktopEntryTexts(const std::string& poolPath)
{
    std::vector<std::string> texts;
    win32::UniqueItemIdList desktopId = menufile::SpecialFolderIdList(menufile::kDesktopFolder);
    win32::ComPtr<IShellFolder> desktop;
    if (!desktopId || FAILED(SHGetDesktopFolder(desktop.put())))
        return texts;
    win32::ComPtr<IShellFolder> folder = DesktopFolder(desktopId.get(), desktop.get());
    if (!folder)
        return texts;
    menufile::SpecialFolderMatcher special;
    for (const DesktopItem& item : EnumerateDesktop(desktopId.get(), folder.get())) {
        std::string text = EntryText(desktop.get(), special, item, poolPath);
        if (!text.empty())
            texts.push_back(text);
    }
    return texts;
}

}  // namespace setup
