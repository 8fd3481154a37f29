// The CStr formatter on the conversions the programs' messages use (%s and
// %d), and its safety on any format. Also built for Windows: the numbers go
// through the C library's printf there as well.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "resident/text/cstr.h"
#include "cstr_printer.h"

using resident::CStr;

TEST(CStrFormat, TextsAndIntegers)
{
    CStr out;
    EXPECT_EQ(out.Format("\"%s\" %s", "メモ帳", "表"), "\"メモ帳\" 表");
    EXPECT_EQ(out.Format("%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(out.Format("%s (%d) %d %d", "C:\\a.exe", 2, INT_MIN, INT_MAX), "C:\\a.exe (2) -2147483648 2147483647");
    EXPECT_EQ(out.Format("100%%"), "100%");
    EXPECT_EQ(out.Format(""), "");
}

TEST(CStrFormat, CutOffOrStrayDirectivesReadNothingBeyondTheFormat)
{
    CStr out;
    EXPECT_EQ(out.Format("50%"), "50");
    EXPECT_EQ(out.Format("x%-+0 #.12hlL"), "x");
    EXPECT_EQ(out.Format("%5%|%q"), "%|q");
    // Out-of-order numbers: the last run of digits counts.
    EXPECT_EQ(out.Format("[%5-3d][%*7d]", 1, 99999, 2), "[1  ][      2]");
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
