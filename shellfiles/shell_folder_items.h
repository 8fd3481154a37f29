#pragma once
// The items of a shell folder with what the shell tells of each, for the
// menus made of them (the assistant's desktop menu, the editor's browser).
#include <windows.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace shellfiles {

struct ShellFolderItem {
    std::string displayName;
    DWORD attributes = 0;             // SFGAO_ bits
    int image = -1;                   // in the system image lists
    win32::UniqueItemIdList idList;   // absolute
};

// The folder of an absolute item-ID list bound from the desktop (the desktop
// itself for an empty list); empty when it cannot be bound.
win32::ComPtr<IShellFolder> BindFolder(IShellFolder* desktop, LPCITEMIDLIST folderId);

// The folder's items, folders and others, in the shell's order; none when
// the folder cannot be bound or enumerated. COM must be initialised.
std::vector<ShellFolderItem> ReadShellFolder(LPCITEMIDLIST folderId);

// The shell's file information of an absolute item-ID list.
ShellFolderItem DescribeShellItem(win32::UniqueItemIdList idList);

}  // namespace shellfiles
