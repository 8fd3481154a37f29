#include "resident/folders/folder_resolver.h"

#include <shellapi.h>
#include "resident/folders/shortcut.h"
#include "resident/menus/shell_item.h"

namespace resident {

namespace {

bool HasFolderAttribute(const char* pathOrList, UINT flags)
{
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(pathOrList, 0, &info, sizeof info, SHGFI_ATTRIBUTES | flags))
        return false;
    return info.dwAttributes != 0xFFFFFFFF && (info.dwAttributes & SFGAO_FOLDER) != 0;
}

bool ResolveShortcutIdList(const std::string& path, ShellItemLookup& shell, const MenuContext& context,
                           ResolvedFolder& folder)
{
    win32::UniqueItemIdList list = ReadShortcutIdList(context, path);
    if (!list)
        return false;
    int csidl = shell.SpecialFolderOf(list.get());
    if (csidl >= 0) {
        folder.csidl = csidl;
        return true;
    }
    if (!HasFolderAttribute(reinterpret_cast<const char*>(list.get()), SHGFI_PIDL))
        return false;
    folder.idList = std::move(list);
    return true;
}

bool ResolveShortcut(const std::string& path, ShellItemLookup& shell, const MenuContext& context,
                     ResolvedFolder& folder)
{
    win32::ShortcutData data;
    if (!ReadShortcut(context, path, data))
        return false;
    if (data.targetPath.empty())
        return ResolveShortcutIdList(path, shell, context, folder);
    if (!HasFolderAttribute(data.targetPath.c_str(), 0))
        return false;
    folder.path = data.targetPath;
    return true;
}

}  // namespace

bool ResolveFolder(const std::string& path, ShellItemLookup& shell, const MenuContext& context,
                   ResolvedFolder& folder)
{
    folder = ResolvedFolder{};
    ShellItem item;
    if (!shell.LookUp(path, item))
        return false;
    if (item.attributes & SFGAO_LINK)
        return ResolveShortcut(path, shell, context, folder);
    if (item.csidl >= 0) {
        folder.csidl = item.csidl;
        return true;
    }
    if (!(item.attributes & SFGAO_FOLDER) || path.empty())
        return false;
    folder.path = path;
    return true;
}

}  // namespace resident
