// The icon chooser's history: newest first, five at most, one entry per
// file whatever the case of its letters, and never two different
// double-byte names taken for one.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "editor/dialogs/recent_icon_files.h"

namespace {

using Files = std::vector<std::string>;

TEST(RecentIconFiles, NewestFirstAndTheOldestDropsAtTheSixth)
{
    editor::RecentIconFiles history;
    for (const char* file : {"C:\\1.ico", "C:\\2.ico", "C:\\3.ico", "C:\\4.ico", "C:\\5.ico", "C:\\6.ico"})
        history.Add(file);
    EXPECT_EQ(history.files(), (Files{"C:\\6.ico", "C:\\5.ico", "C:\\4.ico", "C:\\3.ico", "C:\\2.ico"}));
    history.Add("c:\\4.ICO");
    EXPECT_EQ(history.files(), (Files{"c:\\4.ICO", "C:\\6.ico", "C:\\5.ico", "C:\\3.ico", "C:\\2.ico"}));
    history.Remove("C:\\6.ICO");
    EXPECT_EQ(history.files(), (Files{"c:\\4.ICO", "C:\\5.ico", "C:\\3.ico", "C:\\2.ico"}));
}

TEST(RecentIconFiles, DoubleByteNamesMatchOnlyThemselves)
{
    // ア and ヂ differ only in a trail byte that reads as "A" or "a".
    editor::RecentIconFiles history(Files{"C:\\ア.ico", "", "C:\\表.ico", "c:\\ア.ICO", "C:\\b.ico"});
    EXPECT_EQ(history.files(), (Files{"C:\\ア.ico", "C:\\表.ico", "C:\\b.ico"}));
    EXPECT_FALSE(history.Contains("C:\\ヂ.ico"));
    history.Add("C:\\ヂ.ico");
    EXPECT_EQ(history.files().size(), 4u);
    history.Add("C:\\表.ICO");
    EXPECT_EQ(history.files().front(), "C:\\表.ICO");
    EXPECT_EQ(history.files().size(), 4u);
}

}  // namespace
