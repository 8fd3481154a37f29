#include "resident/menus/shell_item.h"

#include <shellapi.h>
#include <cstdlib>

#include "win32/wide_text.h"

namespace resident {

namespace {

constexpr int kLastNamedFolder = 48;
constexpr int kLastComparedFolder = 34;

}  // namespace

int SpecialFolderNumber(const std::string& path)
{
    if (path.size() < 3 || path.compare(0, 2, "&#") != 0)
        return -1;
    char* end = nullptr;
    long number = std::strtol(path.c_str() + 2, &end, 10);
    if (end == path.c_str() + 2 || *end != '\0' || number < 0 || number > kLastNamedFolder)
        return -1;
    return static_cast<int>(number);
}

IShellFolder* ShellItemLookup::Desktop()
{
    if (!desktop_)
        SHGetDesktopFolder(desktop_.put());
    return desktop_.get();
}

int ShellItemLookup::SpecialFolderOf(LPCITEMIDLIST idList)
{
    IShellFolder* desktop = Desktop();
    if (!desktop || !idList)
        return -1;
    if (specialFolders_.empty()) {
        specialFolders_.resize(kLastComparedFolder + 1);
        for (int csidl = 0; csidl <= kLastComparedFolder; ++csidl)
            SHGetSpecialFolderLocation(nullptr, csidl, specialFolders_[csidl].put());
    }
    for (int csidl = 0; csidl <= kLastComparedFolder; ++csidl) {
        LPCITEMIDLIST special = specialFolders_[csidl].get();
        if (special && HRESULT_CODE(desktop->CompareIDs(0, special, idList)) == 0)
            return csidl;
    }
    return -1;
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
        item.csidl = SpecialFolderNumber(path);
        if (item.csidl < 0 || FAILED(SHGetSpecialFolderLocation(nullptr, item.csidl, item.idList.put())))
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
