// Sharing, copy on write, growth and the writable buffer of CStr.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resident/text/cstr.h"
#include "cstr_printer.h"

using resident::CStr;

TEST(CStrSharing, CopiesShareUntilOneChanges)
{
    CStr first("abc");
    CStr second(first);
    CStr third;
    third = second;
    EXPECT_EQ(first.c_str(), second.c_str());
    EXPECT_EQ(first.c_str(), third.c_str());

    second += "def";
    third += 'x';
    EXPECT_EQ(first, "abc");
    EXPECT_EQ(second, "abcdef");
    EXPECT_EQ(third, "abcx");
    EXPECT_NE(first.c_str(), second.c_str());

    CStr fourth(first);
    char* buffer = fourth.GetBuffer(3);
    buffer[0] = 'A';
    fourth.ReleaseBuffer();
    EXPECT_EQ(fourth, "Abc");
    EXPECT_EQ(first, "abc");
}

TEST(CStrSharing, EmptyValuesShareOneContents)
{
    CStr a, b("x"), c("");
    b.Empty();
    CStr d("abc");
    d.CutEnd(3);
    EXPECT_EQ(a.c_str(), b.c_str());
    EXPECT_EQ(a.c_str(), c.c_str());
    EXPECT_EQ(a.c_str(), d.c_str());
    EXPECT_EQ(a.Length(), 0);
    EXPECT_STREQ(a.c_str(), "");
    EXPECT_EQ(a.First(), '\0');
    CStr e(nullptr);
    EXPECT_TRUE(e.IsEmpty());
}

TEST(CStrSharing, MovedFromValueIsEmpty)
{
    CStr a("text");
    const char* text = a.c_str();
    CStr b(std::move(a));
    EXPECT_EQ(b.c_str(), text);
    EXPECT_TRUE(a.IsEmpty());
    a = std::move(b);
    EXPECT_EQ(a, "text");
}

TEST(CStrCapacity, IsAlwaysFourKPlusThree)
{
    for (int request : {0, 1, 3, 4, 7, 8, 100, 259, 260, 65530}) {
        CStr text;
        text.GetBuffer(request);
        EXPECT_EQ(text.Capacity() % 4, 3) << request;
        EXPECT_GE(text.Capacity(), request);
        EXPECT_LT(text.Capacity(), request + 4) << "a fresh buffer is not over-sized";
    }
    CStr grown;
    for (int i = 0; i < 1000; ++i) {
        grown += 'a';
        ASSERT_EQ(grown.Capacity() % 4, 3);
        ASSERT_GE(grown.Capacity(), grown.Length());
    }
    EXPECT_EQ(grown, std::string(1000, 'a').c_str());
}

TEST(CStrCapacity, ReachesTheLimitExactly)
{
    CStr text;
    std::string half(CStr::kMaxLength / 2, 'h');
    text = half.c_str();
    text += half.c_str();
    EXPECT_EQ(text.Length(), CStr::kMaxLength);
    EXPECT_EQ(text.Last(), 'h');
}

TEST(CStrBuffer, LengthComesFromTheTerminator)
{
    CStr text("old text");
    char* buffer = text.GetBuffer(260);
    EXPECT_STREQ(buffer, "old text");
    std::strcpy(buffer, "C:\\Windows");
    text.ReleaseBuffer();
    EXPECT_EQ(text.Length(), 10);
    EXPECT_EQ(text, "C:\\Windows");

    // A writer that leaves no terminator is held to the buffer.
    CStr full;
    char* raw = full.GetBuffer(5);
    std::memset(raw, 'z', full.Capacity());
    full.ReleaseBuffer();
    EXPECT_EQ(full.Length(), full.Capacity());
    text = full;
    text += "!";
    EXPECT_EQ(text.Last(), '!');
}

TEST(CStrAssign, TakesItsOwnPartsSafely)
{
    CStr text("abcdef");
    text = text.c_str() + 2;
    EXPECT_EQ(text, "cdef");
    text += text.c_str();
    EXPECT_EQ(text, "cdefcdef");
    CStr shared(text);
    text += shared;
    EXPECT_EQ(text, "cdefcdefcdefcdef");
    EXPECT_EQ(shared, "cdefcdef");
    text = text;  // NOLINT: self-assignment on purpose
    EXPECT_EQ(text, "cdefcdefcdefcdef");
}

TEST(CStrParts, LeftRightMid)
{
    CStr text("&#17 tail");
    EXPECT_EQ(text.Left(2), "&#");
    EXPECT_EQ(text.Left(99), "&#17 tail");
    EXPECT_EQ(text.Right(4), "tail");
    EXPECT_EQ(text.Right(99), "&#17 tail");
    EXPECT_EQ(text.Mid(2), "17 tail");
    EXPECT_EQ(text.Mid(2, 2), "17");
    EXPECT_EQ(text.Mid(5, 99), "tail");
    EXPECT_TRUE(text.Mid(9).IsEmpty());
    EXPECT_EQ(text.First(), '&');
    EXPECT_EQ(text.Last(), 'l');
    EXPECT_EQ(text[1], '#');
    EXPECT_EQ(text.CutEnd(5), "&#17");
}

TEST(CStrTrim, SpacesOnlyNeverTabs)
{
    CStr text("  a b  ");
    EXPECT_EQ(text.Trim(), "a b");
    CStr tab("\t a ");
    EXPECT_EQ(tab.TrimLeft(), "\t a ");
    EXPECT_EQ(tab.TrimRight(), "\t a");
    CStr blank("    ");
    EXPECT_TRUE(blank.TrimRight().IsEmpty());
    CStr keep(" x ");
    CStr copy(keep);
    keep.Trim();
    EXPECT_EQ(copy, " x ");
}

TEST(CStrTrim, WithASetKeepsDoubleByteCharacters)
{
    CStr text("\t\r\n value ;;");
    EXPECT_EQ(text.TrimLeft(" \t\r\n"), "value ;;");
    EXPECT_EQ(text.TrimRight("; "), "value");
    // "ソ" is 0x83 0x5C: its trail byte is not the "\" of the set.
    CStr folder("C:\\ソ\\\\");
    EXPECT_EQ(folder.TrimRight("\\"), "C:\\ソ");
    CStr lead("\x83\x83\x5C" "a");
    EXPECT_EQ(lead.TrimLeft("\x83"), lead) << "a lead byte alone is not the character";
    CStr both("表表x表");
    EXPECT_EQ(both.TrimLeft("表"), "x表");
    EXPECT_EQ(both.TrimRight("表"), "x");
}
