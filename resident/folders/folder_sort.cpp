#include "resident/folders/folder_sort.h"

#include <algorithm>
#include <string>
#include <utility>

namespace resident {

namespace {

// lstrcmpA's order: the thread locale's word sort over the ANSI code page.
// Sort keys compared bytewise give that same order, and making one key a
// name is far cheaper than the tens of thousands of comparisons a large
// folder's sort would ask of lstrcmpA.
std::string SortKey(const std::string& name)
{
    const DWORD flags = LCMAP_SORTKEY | LOCALE_USE_CP_ACP;
    int size = LCMapStringA(GetThreadLocale(), flags, name.c_str(), -1, nullptr, 0);
    std::string key(size > 0 ? size : 0, '\0');
    if (size > 0)
        LCMapStringA(GetThreadLocale(), flags, name.c_str(), -1, &key[0], size);
    return key;
}

}  // namespace

void SortFolderEntries(std::vector<FolderEntry*>& entries)
{
    std::vector<std::pair<std::string, FolderEntry*>> keyed;
    keyed.reserve(entries.size());
    for (FolderEntry* entry : entries)
        keyed.emplace_back(SortKey(entry->displayName), entry);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        bool aFolder = (a.second->attributes & SFGAO_FOLDER) != 0;
        bool bFolder = (b.second->attributes & SFGAO_FOLDER) != 0;
        if (aFolder != bFolder)
            return aFolder;
        return a.first < b.first;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        entries[i] = keyed[i].second;
}

}  // namespace resident
