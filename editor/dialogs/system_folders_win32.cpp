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
    // Some shells give a virtual folder its parsing name ("::{...}") as its
    // path: only a folder that exists on disk has a path to show.
    char path[MAX_PATH] = "";
    DWORD attributes = SHGetPathFromIDListA(list, path) ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
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
