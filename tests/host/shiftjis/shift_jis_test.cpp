// Shift-JIS walking: "ソ" is 0x83 0x5C and "ポ" 0x83 0x7C, so their trail
// bytes look like "\" and "|" to a byte-wise search.
#include <gtest/gtest.h>

#include "shiftjis/shift_jis.h"

using namespace shiftjis;

TEST(ShiftJisLeadBytes, TheTwoRangesOfCodePage932)
{
    for (unsigned byte : {0x81u, 0x9Fu, 0xE0u, 0xFCu})
        EXPECT_TRUE(IsLeadByte(static_cast<unsigned char>(byte))) << byte;
    for (unsigned byte : {0x5Cu, 0x80u, 0xA0u, 0xDFu, 0xFDu})
        EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(byte))) << byte;
}

TEST(ShiftJisSearch, TrailBytesAreNeverSeparators)
{
    EXPECT_EQ(FindLastOf("C:\\ソ", "\\"), 2u);
    EXPECT_EQ(FindLastOf("a|ポ", "|"), 1u);
    EXPECT_EQ(FindLastOf("ソポ", "\\|"), std::string::npos);
    EXPECT_EQ(FindLastOf(std::string("a\0b", 3), "x"), std::string::npos);
    EXPECT_TRUE(EndsWith("C:\\表\\", '\\'));
    EXPECT_FALSE(EndsWith("C:\\表", '\\'));
    EXPECT_EQ(LastCharOffset("aソ"), 1u);
    EXPECT_EQ(LastCharOffset("a\x83"), 1u);  // a lead byte alone at the end
    EXPECT_EQ(LastCharOffset(""), std::string::npos);
    EXPECT_STREQ(FindFirstOf("ソ\\x", "\\"), "\\x");
    EXPECT_STREQ(FindFirstOf("aソb", "xソ"), "ソb");
    EXPECT_EQ(FindFirstOf("ソ", "\x5C\x83"), nullptr);
}

TEST(ShiftJisCut, NeverInsideACharacter)
{
    EXPECT_EQ(CutOnCharacterBoundary("ab表", 3), "ab");
    EXPECT_EQ(CutOnCharacterBoundary("ab表", 4), "ab表");
    EXPECT_EQ(CutOnCharacterBoundary("ab\x83", 3), "ab\x83");
    EXPECT_EQ(CutToWholeCharacters("ab\x83", 10), "ab");
    EXPECT_EQ(CutToWholeCharacters("ab表c", 4), "ab表");
    EXPECT_EQ(CutToWholeCharacters("", 4), "");
}

TEST(ShiftJisCompare, AsciiLettersWithoutCaseTrailBytesExactly)
{
    EXPECT_TRUE(EqualIgnoringCase("C:\\Word.EXE", "c:\\word.exe"));
    // "\x83\x41" is ア and "\x83\x61" is ャ: a trail byte is not a letter.
    EXPECT_FALSE(EqualIgnoringCase("\x83\x41", "\x83\x61"));
    EXPECT_FALSE(EqualIgnoringCase("ab", "abc"));
    EXPECT_FALSE(EqualIgnoringCase("a[", "A{"));
}
