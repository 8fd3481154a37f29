#pragma once
// How a chosen folder menu entry is found again: its launch target names
// the entry by key, and only the folder menus of the popup being shown can
// answer for it.
#include <windows.h>
#include <shlobj.h>
#include <string>

namespace resident {

// The entries of the folder menus of the popup being shown. A key is only
// ever looked up here, so a launch string that names an entry which does not
// exist (any more) is refused, not followed.
class FolderEntryLookup {
public:
    virtual ~FolderEntryLookup() = default;
    // The entry's absolute item id list, or null when no entry has the key.
    virtual LPCITEMIDLIST FindFolderEntry(unsigned long key) const = 0;
};

// The launch target that names a folder menu entry: "&0x" and the key.
std::string FolderEntryTarget(unsigned long key);

}  // namespace resident
