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
// header entry. Its launch string names it by key.
struct FolderEntry {
    unsigned long key = 0;
    win32::ComPtr<IShellFolder> parent;   // the folder it was enumerated from
    win32::UniqueItemIdList relative;     // none for the header entry
    win32::UniqueItemIdList absolute;     // what is launched
    std::string displayName;
    int iconIndex = 0;
    DWORD attributes = 0;
};

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
