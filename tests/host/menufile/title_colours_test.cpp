// Title colours read from and written to a title's parameters.
#include <gtest/gtest.h>
#include "menufile/title_colours.h"

using menufile::FormatTitleColours;
using menufile::ParseTitleColours;

namespace {

// text flag, text value, background flag, background value
std::string Read(const std::string& parameters) { return FormatTitleColours(ParseTitleColours(parameters)); }

}  // namespace

TEST(TitleColours, MissingNumbersGiveTheMenusOwnColours)
{
    EXPECT_EQ(Read("/0/255/1/15"), "/0/255/1/15");
    EXPECT_EQ(Read("/0/65280/0/0"), "/0/65280/0/0");
    EXPECT_EQ(Read("/0/255"), "/0/255/1/4");
    EXPECT_EQ(Read("/0/255/0"), "/0/255/1/4");
    EXPECT_EQ(Read("/0"), "/1/7/1/4");
    EXPECT_EQ(Read(""), "/1/7/1/4");
    EXPECT_EQ(Read("0/255/0/0"), "/1/7/1/4");
    EXPECT_EQ(Read("/0/x/0/0"), "/1/7/1/4");
    EXPECT_EQ(Read("/0/255/-/0"), "/0/255/1/4");
}

TEST(TitleColours, NumbersAreReadAsTheFormatReadsThem)
{
    EXPECT_EQ(Read("/ 0/\t255/+1/15trailing"), "/0/255/1/15");
    EXPECT_EQ(Read("/0/-1/2/16"), "/0/4294967295/2/16");
    EXPECT_EQ(Read("/0/255 /1/15"), "/0/255/1/4");
    menufile::TitleColours sample{{1, 24}, {1, 1}};
    EXPECT_EQ(FormatTitleColours(sample), "/1/24/1/1");
}
