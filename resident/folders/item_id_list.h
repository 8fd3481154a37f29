#pragma once
// Item id lists copied and joined with the shell's allocator (the COM task
// allocator, which SHGetMalloc hands out), owned by win32::UniqueItemIdList.
#include <windows.h>
#include <shlobj.h>
#include "win32/unique_handle.h"

namespace resident {

// Bytes of a list: its items' cb fields and the 2 of the terminator.
size_t ItemIdListSize(LPCITEMIDLIST list);
bool IsEmptyItemIdList(LPCITEMIDLIST list);
// Null when out of memory.
win32::UniqueItemIdList CopyItemIdList(LPCITEMIDLIST list);
win32::UniqueItemIdList JoinItemIdLists(LPCITEMIDLIST first, LPCITEMIDLIST second);

}  // namespace resident
