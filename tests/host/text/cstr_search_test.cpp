// Searches and comparison of CStr, the Shift-JIS-aware set search among them.
#include <gtest/gtest.h>

#include "resident/text/cstr.h"
#include "cstr_printer.h"

using resident::CStr;

TEST(CStrFind, BytesAndTexts)
{
    CStr text("a,b,,c");
    EXPECT_EQ(text.Find(','), 1);
    EXPECT_EQ(text.Find(',', 2), 3);
    EXPECT_EQ(text.Find(',', 6), -1);
    EXPECT_EQ(text.Find('z'), -1);
    EXPECT_EQ(text.Find('\0'), -1);
    EXPECT_EQ(text.Find(",,"), 3);
    EXPECT_EQ(text.Find("b", 3), -1);
    EXPECT_EQ(text.Find(""), 0);
    EXPECT_EQ(CStr().Find('a'), -1);
}

TEST(CStrFind, OneOfASetReadsShiftJis)
{
    // "ソ" is 0x83 0x5C and "表" 0x95 0x5C: their trail bytes are not "\".
    CStr path("C:\\ソフト\\表\\x");
    EXPECT_EQ(path.FindOneOf("\\"), 2);
    EXPECT_EQ(path.FindOneOf("\\", 3), 9);
    EXPECT_EQ(path.FindOneOf("\\", 10), 12);
    EXPECT_EQ(path.FindOneOf("|/"), -1);
    EXPECT_EQ(path.FindOneOf("フx"), 5);
    EXPECT_EQ(path.FindOneOf("ソ"), 3) << "a double-byte character of the set matches only itself";

    CStr trail("ソ|");
    EXPECT_EQ(trail.FindOneOf("\\|"), 2);
    CStr pipe("\x83\x7C" "|");  // a 0x7C trail byte before a real "|"
    EXPECT_EQ(pipe.FindOneOf("|"), 2);
    CStr lone("ab\x83");  // a lead byte at the very end stands alone
    EXPECT_EQ(lone.FindOneOf("\x83"), 2);
    EXPECT_EQ(lone.FindOneOf("z"), -1);
}

TEST(CStrCompare, IgnoresTheCaseOfAsciiLettersOnly)
{
    EXPECT_EQ(CStr("POPUP").CompareNoCase("popup"), 0);
    EXPECT_EQ(CStr("Popup").CompareNoCase("POPUPS"), -1);
    EXPECT_EQ(CStr("menuitem").CompareNoCase("MENU"), 1);
    EXPECT_EQ(CStr("").CompareNoCase(""), 0);
    // As _stricmp: letters are compared in lower case, so "_" sorts first.
    EXPECT_EQ(CStr("_").CompareNoCase("A"), -1);
    EXPECT_EQ(CStr("a").CompareNoCase("_"), 1);
    // Bytes above 0x7F are compared unsigned and never folded.
    EXPECT_EQ(CStr("\x82\xA0").CompareNoCase("\x82\xC0"), -1);
    EXPECT_EQ(CStr("\xE0").CompareNoCase("a"), 1);
    EXPECT_EQ(CStr("ｱ").CompareNoCase("ｱ"), 0);
}
