#pragma once
// What the shell knows of a menu entry's path: the item, whether it is one
// of the special folders, its display name, type, attributes and system
// image list index. The special-folder notation "&#" followed by a CSIDL
// names a special folder directly.
#include <windows.h>
#include <shlobj.h>
#include <string>
#include "menufile/special_folder_shell.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace resident {

struct ShellItem {
    win32::UniqueItemIdList idList;  // absolute
    int csidl = -1;                  // the special folder it is, or -1
    std::string displayName;
    std::string typeName;
    DWORD attributes = 0;
    int iconIndex = -1;  // -1 when the shell gave no information
};

// One lookup session; it keeps the desktop folder and the lists of the
// special folders that items are compared with.
class ShellItemLookup {
public:
    // False when the path names no shell item.
    bool LookUp(const std::string& path, ShellItem& item);
    // The first of the special folders 0 to 34 equal to the list, or -1.
    int SpecialFolderOf(LPCITEMIDLIST idList);
    IShellFolder* Desktop();

private:
    bool ParsePath(const std::string& path, win32::UniqueItemIdList& idList);
    void FillInfo(const std::string& path, ShellItem& item);

    win32::ComPtr<IShellFolder> desktop_;
    menufile::SpecialFolderMatcher specialFolders_;
};

}  // namespace resident
