#pragma once
// The records behind the folder menus of one popup.
#include <windows.h>
#include <shlobj.h>
#include <memory>
#include <string>
#include <vector>
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace resident {

class OwnerDrawMenu;

// One file or folder shown in a folder menu, or the folder itself in the
// header entry. Its launch string names it by key. Only what the menu shows
// is read while filling; the absolute list and the icon are made when
// needed.
struct FolderEntry {
    unsigned long key = 0;
    win32::ComPtr<IShellFolder> parent;   // the folder it was enumerated from
    LPCITEMIDLIST parentList = nullptr;   // the parent's absolute list, alive until the entry goes
    win32::UniqueItemIdList relative;     // none for the header entry
    win32::UniqueItemIdList absolute;     // made when launched or opened as a submenu
    std::string displayName;
    int iconIndex = -1;                   // looked up when first drawn
    DWORD attributes = 0;
};

// The entry's absolute list, joined on first use; null when out of memory.
LPCITEMIDLIST AbsoluteOf(FolderEntry& entry);
// The shell's system image list index of the entry, or -1.
int LookUpIconIndex(FolderEntry& entry);

// What a folder is given as: a special folder, an item id list, or a path.
struct ResolvedFolder {
    int csidl = -1;
    win32::UniqueItemIdList idList;
    std::string path;
};

// One SHOWFOLDER item of a popup and everything read for its menus.
struct FolderMenuState {
    OwnerDrawMenu* menuBeingFilled = nullptr;
    int maximumDepth = 0;
    ResolvedFolder folder;
    int currentDepth = 0;
    std::vector<std::unique_ptr<FolderEntry>> entries;
    std::vector<win32::ComPtr<IShellFolder>> boundFolders;
    std::vector<win32::UniqueItemIdList> idLists;
};

}  // namespace resident
