#pragma once
// The special folders as the shell has them on this machine.
#include <windows.h>
#include <shlobj.h>
#include <vector>
#include "win32/unique_handle.h"

namespace menufile {

// The folder's item-ID list; empty when the machine lacks the folder (or
// csidl is -1, no special folder).
win32::UniqueItemIdList SpecialFolderIdList(int csidl);
bool SpecialFolderExists(int csidl);

// Tells which special folder a shell item is: the first of 0 to 34 whose
// list the desktop compares equal. The folders' lists are made once.
class SpecialFolderMatcher {
public:
    // The CSIDL value, or -1.
    int Find(IShellFolder* desktop, LPCITEMIDLIST idList);

private:
    std::vector<win32::UniqueItemIdList> folders_;
};

}  // namespace menufile
