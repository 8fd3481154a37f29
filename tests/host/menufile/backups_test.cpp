// Which texts count as the same version of a menu file.
#include <gtest/gtest.h>
#include "menufile/menu_file_backups.h"

using menufile::SameMenuText;

TEST(Backups, OnlyTheModifiedLineMayDiffer)
{
    const std::string a = "; title\r\n; modified -- Monday 10:00\r\nPOPUP a\r\nEND\r\n";
    EXPECT_TRUE(SameMenuText(a, "; title\r\n; modified -- Tuesday 11:30\r\nPOPUP a\r\nEND\r\n"));
    EXPECT_FALSE(SameMenuText(a, "; title\r\n; modified -- Monday 10:00\r\nPOPUP b\r\nEND\r\n"));
    EXPECT_FALSE(SameMenuText(a, "; title\r\nPOPUP a\r\nEND\r\n"));
    EXPECT_TRUE(SameMenuText("; modified -- 1\r\nX", "; modified -- 2\r\nX"));
    // A user's line that merely mentions it is part of the menu.
    EXPECT_FALSE(SameMenuText("X\r\n;; modified -- 1\r\n", "X\r\n;; modified -- 2\r\n"));
    EXPECT_EQ(menufile::BackupName("a.txt", 1), "a.txt.bak");
    EXPECT_EQ(menufile::BackupName("a.txt", 3), "a.txt.bak3");
}
