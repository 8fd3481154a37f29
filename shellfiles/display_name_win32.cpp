#include "shellfiles/display_name.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"

namespace shellfiles {

std::string ShellDisplayName(const std::string& path)
{
    SHFILEINFOA info = {};
    int folder = menufile::SpecialFolderNumber(path);
    if (folder >= 0) {
        win32::UniqueItemIdList idList = menufile::SpecialFolderIdList(folder);
        if (!idList || !SHGetFileInfoA(reinterpret_cast<const char*>(idList.get()), 0, &info, sizeof info,
                            SHGFI_PIDL | SHGFI_DISPLAYNAME))
            return {};
        return info.szDisplayName;
    }
    if (path.empty() || !SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME))
        return {};
    return info.szDisplayName;
}

}  // namespace shellfiles
