// The order of folder menu entries: folders first, then lstrcmpA ascending,
// equal names in the order the shell gave them.
#include <gtest/gtest.h>
#include "resident/folders/folder_sort.h"

namespace {

TEST(FolderSortTest, FoldersFirstThenByNameAndTiesKeepTheirOrder)
{
    struct Made {
        const char* name;
        DWORD attributes;
    };
    const Made made[] = {{"b.txt", 0},           {"Zeta", SFGAO_FOLDER}, {"a.txt", SFGAO_READONLY},
                         {"alpha", SFGAO_FOLDER}, {"b.txt", 0},           {"B.txt", 0},
                         {"b.txt", SFGAO_LINK}};
    std::vector<resident::FolderEntry> entries(std::size(made));
    std::vector<resident::FolderEntry*> order;
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].displayName = made[i].name;
        entries[i].attributes = made[i].attributes;
        entries[i].iconIndex = static_cast<int>(i);
        order.push_back(&entries[i]);
    }
    resident::SortFolderEntries(order);
    std::vector<int> shown;
    for (const resident::FolderEntry* entry : order)
        shown.push_back(entry->iconIndex);
    EXPECT_EQ(shown, (std::vector<int>{3, 1, 2, 0, 4, 6, 5}));
}

TEST(FolderSortTest, ManyEntriesStayInOrder)
{
    std::vector<resident::FolderEntry> entries(20000);
    std::vector<resident::FolderEntry*> order;
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].displayName = "file" + std::to_string((i * 7919) % 1000);
        entries[i].iconIndex = static_cast<int>(i);
        order.push_back(&entries[i]);
    }
    resident::SortFolderEntries(order);
    for (size_t i = 1; i < order.size(); ++i) {
        int compared = lstrcmpA(order[i - 1]->displayName.c_str(), order[i]->displayName.c_str());
        ASSERT_LE(compared, 0) << i;
        if (compared == 0) {
            ASSERT_LT(order[i - 1]->iconIndex, order[i]->iconIndex) << i;
        }
    }
}

}  // namespace
