#pragma once
#include <vector>
#include "resident/folders/folder_entry.h"

namespace resident {

// Folders before everything else, then lstrcmpA of the names ascending;
// entries that compare equal keep their order. O(n log n).
void SortFolderEntries(std::vector<FolderEntry*>& entries);

}  // namespace resident
