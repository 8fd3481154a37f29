#include "resident/folders/folder_sort.h"

#include <algorithm>

namespace resident {

void SortFolderEntries(std::vector<FolderEntry*>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const FolderEntry* a, const FolderEntry* b) {
        bool aFolder = (a->attributes & SFGAO_FOLDER) != 0;
        bool bFolder = (b->attributes & SFGAO_FOLDER) != 0;
        if (aFolder != bFolder)
            return aFolder;
        return lstrcmpA(a->displayName.c_str(), b->displayName.c_str()) < 0;
    });
}

}  // namespace resident
