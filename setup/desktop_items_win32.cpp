#include "setup/desktop_items.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>
#include "setup/sample_items.h"
#include "shellfiles/file_path.h"
#include "shellfiles/icon_location.h"
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

const int kLastSpecialFolder = 34;
const int kRecycleBin = 10;  // CSIDL_BITBUCKET
const int kDrives = 17;      // CSIDL_DRIVES
const int kInternet = 1;     // CSIDL_INTERNET

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

// The CSIDL value of the special folder that idList is, or -1.
int SpecialFolderOf(IShellFolder* desktop, LPCITEMIDLIST idList)
{
    for (int csidl = 0; csidl <= kLastSpecialFolder; ++csidl) {
        win32::UniqueItemIdList folder;
        if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, folder.put())))
            continue;
        HRESULT order = desktop->CompareIDs(0, idList, folder.get());
        if (SUCCEEDED(order) && HRESULT_CODE(order) == 0)
            return csidl;
    }
    return -1;
}

std::string EntryText(IShellFolder* desktop, const DesktopItem& item, const std::string& poolPath)
{
    if (item.attributes & SFGAO_FILESYSTEM) {
        char path[MAX_PATH];
        return SHGetPathFromIDListA(item.idList.get(), path) ? path : "";
    }
    int csidl = SpecialFolderOf(desktop, item.idList.get());
    if (csidl == kRecycleBin || csidl == kDrives)
        return {};
    if (csidl >= 0)
        return shellfiles::JoinIconLocation(SpecialFolderPath(csidl), csidl == kInternet ? 0 : 1);
    if (!(item.attributes & SFGAO_CANLINK))
        return {};
    std::string shortcut = shellfiles::FilePath(poolPath).str() + item.displayName + ".lnk";
    return shellfiles::CreateShortcut(shortcut, item.idList.get()) ? shortcut : "";
}

}  // namespace

std::vector<std::string> DesktopEntryTexts(const std::string& poolPath)
{
    std::vector<std::string> texts;
    win32::UniqueItemIdList desktopId;
    win32::ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, desktopId.put())) ||
        FAILED(SHGetDesktopFolder(desktop.put())))
        return texts;
    win32::ComPtr<IShellFolder> folder = DesktopFolder(desktopId.get(), desktop.get());
    if (!folder)
        return texts;
    for (const DesktopItem& item : EnumerateDesktop(desktopId.get(), folder.get())) {
        std::string text = EntryText(desktop.get(), item, poolPath);
        if (!text.empty())
            texts.push_back(text);
    }
    return texts;
}

}  // namespace setup
