#include "resident/menus/shell_item.h"

#include <shellapi.h>

#include "menufile/special_folder.h"
#include "win32/wide_text.h"

namespace resident {

IShellFolder* ShellItemLookup::Desktop()
{
    if (!desktop_)
        SHGetDesktopFolder(desktop_.put());
    return desktop_.get();
}

int ShellItemLookup::SpecialFolderOf(LPCITEMIDLIST idList)
{
    return specialFolders_.Find(Desktop(), idList);
}

bool ShellItemLookup::ParsePath(const std::string& path, win32::UniqueItemIdList& idList)
{
    IShellFolder* desktop = Desktop();
    std::wstring wide = win32::WideFromAnsi(path);
    if (!desktop || wide.empty())
        return false;
    ULONG eaten = 0;
    return SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], &eaten, idList.put(), nullptr)) &&
           idList;
}

bool ShellItemLookup::LookUp(const std::string& path, ShellItem& item)
{
    item = ShellItem{};
    if (path.compare(0, 2, "&#") == 0) {
        item.csidl = menufile::SpecialFolderNumber(path);
        item.idList = menufile::SpecialFolderIdList(item.csidl);
        if (item.csidl < 0 || !item.idList)
            return false;
    } else {
        if (!ParsePath(path, item.idList))
            return false;
        item.csidl = SpecialFolderOf(item.idList.get());
    }
    FillInfo(path, item);
    return true;
}

void ShellItemLookup::FillInfo(const std::string& path, ShellItem& item)
{
    SHFILEINFOA info = {};
    UINT flags = SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_ATTRIBUTES | SHGFI_SYSICONINDEX;
    DWORD_PTR result = item.csidl >= 0
                           ? SHGetFileInfoA(reinterpret_cast<LPCSTR>(item.idList.get()), 0, &info, sizeof info,
                                            flags | SHGFI_PIDL)
                           : SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags);
    if (!result)
        return;
    item.displayName = info.szDisplayName;
    item.typeName = info.szTypeName;
    item.attributes = info.dwAttributes;
    item.iconIndex = info.iIcon;
}

}  // namespace resident
