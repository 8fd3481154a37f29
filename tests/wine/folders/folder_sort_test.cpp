// The order of folder menu entries: folders first, then lstrcmpA ascending,
// equal names in the order the shell gave them.
#include <gtest/gtest.h>
#include "resident/folders/folder_sort.h"

namespace {

TEST(FolderSortTest, FoldersFirstThenByNameAndTiesKeepTheirOrder)
{
    // Names repeat, differ in case, in the punctuation word sort skips and
    // in double-byte and half-width kana; every seventh entry is a folder,
    // others carry attributes that do not make a folder.
    const char* stems[] = {"file", "File", "fi-le", "fi'le", "ファイル", "ﾌｧｲﾙ", "file ", "FILE_"};
    std::vector<resident::FolderEntry> entries(20000);
    std::vector<resident::FolderEntry*> order;
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].displayName = stems[i % 8] + std::to_string((i * 7919) % 1000);
        entries[i].attributes = i % 7 == 0 ? SFGAO_FOLDER : i % 3 == 0 ? SFGAO_LINK | SFGAO_READONLY : 0;
        entries[i].iconIndex = static_cast<int>(i);
        order.push_back(&entries[i]);
    }
    resident::SortFolderEntries(order);
    auto isFolder = [](const resident::FolderEntry* entry) { return (entry->attributes & SFGAO_FOLDER) != 0; };
    for (size_t i = 1; i < order.size(); ++i) {
        const resident::FolderEntry *before = order[i - 1], *after = order[i];
        ASSERT_GE(isFolder(before), isFolder(after)) << i;
        if (isFolder(before) != isFolder(after))
            continue;
        int compared = lstrcmpA(before->displayName.c_str(), after->displayName.c_str());
        ASSERT_LE(compared, 0) << i;
        if (compared == 0) {
            ASSERT_LT(before->iconIndex, after->iconIndex) << i;
        }
    }
}

}  // namespace
