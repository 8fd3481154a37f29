#include <gtest/gtest.h>
#include <string>
#include "editor/dialogs/file_filter.h"

namespace {

// ポ ends in the byte of "|": it must stay a character of the name.
TEST(FileDialogFilter, SeparatorsBecomeNulsButNotTrailBytes)
{
    EXPECT_EQ(editor::FileDialogFilter("ポ(*.ico)|*.ico|全て(*.*)|*.*||"),
              std::string("ポ(*.ico)\0*.ico\0全て(*.*)\0*.*\0\0\0\0", 33));
    EXPECT_EQ(editor::FileDialogFilter("a|b"), std::string("a\0b\0\0", 5));
}

}  // namespace
