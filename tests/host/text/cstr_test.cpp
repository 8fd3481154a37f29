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
    EXPECT_EQ(first.c_str(), third.c_str());

    second += "def";
    third += 'x';
    EXPECT_EQ(first, "abc");
    EXPECT_EQ(second, "abcdef");
    EXPECT_EQ(third, "abcx");

    CStr fourth(first);
    fourth.GetBuffer(3)[0] = 'A';
    fourth.ReleaseBuffer();
    EXPECT_EQ(fourth, "Abc");
    EXPECT_EQ(first, "abc");

    CStr moved(std::move(first));
    EXPECT_TRUE(first.IsEmpty());
    EXPECT_EQ(moved, "abc");
}

TEST(CStrSharing, EmptyValuesShareOneContents)
{
    CStr a, b("x"), c(""), d(nullptr);
    b.Empty();
    EXPECT_EQ(a.c_str(), b.c_str());
    EXPECT_EQ(a.c_str(), c.c_str());
    EXPECT_EQ(a.c_str(), d.c_str());
    EXPECT_STREQ(a.c_str(), "");
}

TEST(CStrCapacity, IsAlwaysFourKPlusThreeUpToTheLimit)
{
    for (int request : {0, 1, 3, 4, 259, 260, 65530}) {
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
    }
    EXPECT_EQ(grown, std::string(1000, 'a').c_str());

    std::string half(CStr::kMaxLength / 2, 'h');
    CStr full(half.c_str());
    full += half.c_str();
    EXPECT_EQ(full.Length(), CStr::kMaxLength);
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
    text.Assign(text.c_str() + 4, 2);
    EXPECT_EQ(text, "cd");
    text = text;  // NOLINT: self-assignment on purpose
    EXPECT_EQ(text, "cd");
}
