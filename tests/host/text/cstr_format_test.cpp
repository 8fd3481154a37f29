// The CStr formatter. Also built for Windows: the numbers go through the
// C library's printf there as well.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "resident/text/cstr.h"
#include "cstr_printer.h"

using resident::CStr;

namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

}  // namespace

TEST(CStrFormat, TextsAndTheirPrecision)
{
    CStr out;
    EXPECT_EQ(out.Format("&#%d", 17), "&#17");
    EXPECT_EQ(out.Format("%.3s", "abcdef"), "abc");
    EXPECT_EQ(out.Format("%5s|%-5s|", "ab", "cd"), "ab|cd|") << "width is ignored for texts";
    EXPECT_EQ(out.Format("%.10s", "short"), "short");
    EXPECT_EQ(out.Format("%.*s", 2, "abcdef"), "ab");
    EXPECT_EQ(out.Format("%*s%s", 8, "a", "b"), "ab") << "a star width is taken and ignored";
    EXPECT_EQ(out.Format("%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(out.Format("\"%s\" %s", "メモ帳", "表"), "\"メモ帳\" 表");
    EXPECT_EQ(out.Format("no conversion"), "no conversion");
    EXPECT_EQ(out.Format(""), "");
}

TEST(CStrFormat, CStrArgumentsAndSelfReference)
{
    CStr name("Section1");
    CStr out;
    EXPECT_EQ(out.Format("[%!] %d", &name, 2), "[Section1] 2");
    EXPECT_EQ(out.Format("%!", static_cast<const CStr*>(nullptr)), "");
    out = "abc";
    out.Format("%s-%!", out.c_str(), &out);
    EXPECT_EQ(out, "abc-abc");
}

TEST(CStrFormat, PercentAndUnknownBytes)
{
    CStr out;
    EXPECT_EQ(out.Format("100%%"), "100%");
    EXPECT_EQ(out.Format("%5%|%q|%-z"), "%|q|z");
    // A conversion cut off by the end of the format gives nothing, and no
    // byte after the terminator is read.
    EXPECT_EQ(out.Format("50%"), "50");
    EXPECT_EQ(out.Format("50%-"), "50");
    EXPECT_EQ(out.Format("x%-+0 #.12hlL"), "x");
    // Out-of-order numbers: the last run of digits counts.
    EXPECT_EQ(out.Format("[%5-3d][%*7d]", 1, 99999, 2), "[1  ][      2]");
}

TEST(CStrFormat, IntegersAsPrintf)
{
    CStr out;
    EXPECT_EQ(out.Format("/%d/%lu/%d/%lu", 1, 24ul, 1, 1ul), "/1/24/1/1");
    EXPECT_EQ(out.Format("%i %u %o %x %X", -5, 7u, 8, 255, 255), "-5 7 10 ff FF");
    EXPECT_EQ(out.Format("%c%C", 'A', 'b'), "Ab");
    EXPECT_EQ(out.Format("[%5d][%-5d][%05d][%+d][% d]", 42, 42, 42, 42, 42), "[   42][42   ][00042][+42][ 42]");
    EXPECT_EQ(out.Format("[%*d][%-*d][%*d]", 4, 7, 3, 8, -3, 9), "[   7][8  ][9  ]");
    EXPECT_EQ(out.Format("%.3d %#x %#o", 5, 255, 8), "005 0xff 010");
    EXPECT_EQ(out.Format("%hd %hu", 70000, 70000), Printf("%hd %hu", 70000, 70000).c_str());
    EXPECT_EQ(out.Format("%d %d", INT_MIN, INT_MAX), Printf("%d %d", INT_MIN, INT_MAX).c_str());
    EXPECT_EQ(out.Format("%lld %llx", -1234567890123LL, 0x123456789abLL), "-1234567890123 123456789ab");
    EXPECT_EQ(out.Format("%s (0x%x)", "text", 0x80070002u), "text (0x80070002)");
    int local = 0;
    EXPECT_EQ(out.Format("%p", static_cast<void*>(&local)), Printf("%p", static_cast<void*>(&local)).c_str());
    EXPECT_EQ(out.Format("a%cb", 0), "ab") << "a zero byte is left out";
}

TEST(CStrFormat, DoublesAsPrintf)
{
    CStr out;
    EXPECT_EQ(out.Format("%f", 1.5), "1.500000");
    EXPECT_EQ(out.Format("%.2f|%8.3f|%-8.1f|", 3.14159, 2.5, -1.25), "3.14|   2.500|-1.2    |");
    EXPECT_EQ(out.Format("%g %G", 0.0001, 1e20), Printf("%g %G", 0.0001, 1e20).c_str());
    EXPECT_EQ(out.Format("%e|%.2E", 12345.678, 0.5), Printf("%e|%.2E", 12345.678, 0.5).c_str());
    EXPECT_EQ(out.Format("%lf %Lf", 2.0, 3.0), "2.000000 3.000000") << "l and L still take a double";
    EXPECT_EQ(out.Format("%d %.1f %s", 1, 2.25, "x"), "1 2.2 x");
}

TEST(CStrFormat, LongOutputsGrowTheText)
{
    CStr out;
    std::string big(1000, 'q');
    out.Format("%s%s%d", big.c_str(), big.c_str(), 5);
    EXPECT_EQ(out.Length(), 2001);
    EXPECT_EQ(out.Last(), '5');
    out.Format("%300d", 1);
    EXPECT_EQ(out.Length(), 300);
    EXPECT_EQ(out.Capacity() % 4, 3);
}
