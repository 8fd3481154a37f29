#include "editor/dialogs/system_folders.h"

#include <shellapi.h>
#include <shlobj.h>
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"

namespace editor {

namespace {

SystemFolder Describe(int csidl, LPCITEMIDLIST list)
{
    SHFILEINFOA info = {};
    info.iIcon = -1;
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(list), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    char path[MAX_PATH] = "";
    if (!SHGetPathFromIDListA(list, path))
        path[0] = '\0';
    return {csidl, info.szDisplayName, info.iIcon, path};
}

}  // namespace

std::vector<SystemFolder> NamedSystemFolders()
{
    std::vector<SystemFolder> folders;
    for (int csidl = 0; csidl <= menufile::kLastSpecialFolder; ++csidl) {
        if (menufile::SpecialFolderNameId(csidl) == 0)
            continue;
        if (win32::UniqueItemIdList list = menufile::SpecialFolderIdList(csidl))
            folders.push_back(Describe(csidl, list.get()));
    }
    return folders;
}

}  // namespace editor
