// The special-folder notation "&#N" and the folders' names.
#include <gtest/gtest.h>
#include "menufile/special_folder.h"

using menufile::SpecialFolderNumber;

TEST(SpecialFolders, OnlyDigitsUpTo48NameAFolder)
{
    EXPECT_EQ(SpecialFolderNumber("&#0"), 0);
    EXPECT_EQ(SpecialFolderNumber("&#48"), 48);
    EXPECT_EQ(SpecialFolderNumber("&#017"), 17);
    for (const char* other : {"&#49", "&#", "&#1a", "&# 5", "&#+5", "&#-1", "x&#5", "&#99999999999", "C:\\&#5"})
        EXPECT_EQ(SpecialFolderNumber(other), -1) << other;
    EXPECT_EQ(menufile::SpecialFolderPath(17), "&#17");
    EXPECT_EQ(SpecialFolderNumber(menufile::SpecialFolderPath(48)), 48);
}

TEST(SpecialFolders, EntryTextsAndNames)
{
    EXPECT_EQ(menufile::SpecialFolderEntryText(10), "&#10|1");
    EXPECT_EQ(menufile::SpecialFolderEntryText(1), "&#1");
    // The ids jump where the table has gaps.
    EXPECT_EQ(menufile::SpecialFolderNameId(16), 4040);
    EXPECT_EQ(menufile::SpecialFolderNameId(32), 4060);
    EXPECT_EQ(menufile::SpecialFolderNameId(48), 4080);
    for (int unnamed : {-1, 12, 13, 14, 15, 41, 42, 44, 49})
        EXPECT_EQ(menufile::SpecialFolderNameId(unnamed), 0) << unnamed;
}
