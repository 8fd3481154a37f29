// The programming errors of CStr end the process with "CStr fatal <code>".
#include <gtest/gtest.h>

#include <string>

#include "resident/text/cstr.h"

using resident::CStr;

namespace {

const std::string kLimitHalf(CStr::kMaxLength / 2 + 1, 'x');

}  // namespace

TEST(CStrFatalDeathTest, LengthBeyondTheLimit)
{
    std::string tooLong(CStr::kMaxLength + 1, 'x');
    EXPECT_DEATH(CStr text(tooLong.c_str()), "CStr fatal 5");
    EXPECT_DEATH(
        {
            CStr text(kLimitHalf.c_str());
            text += kLimitHalf.c_str();
        },
        "CStr fatal 5");
    EXPECT_DEATH(
        {
            // Lengths that would wrap around 16 bits.
            CStr text(std::string(CStr::kMaxLength, 'x').c_str());
            text += std::string(6, 'y').c_str();
        },
        "CStr fatal 5");
    EXPECT_DEATH(CStr().GetBuffer(CStr::kMaxLength + 1), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%s%s", kLimitHalf.c_str(), kLimitHalf.c_str()), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%99999d", 1), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%*d", 70000, 1), "CStr fatal 5");
}

TEST(CStrFatalDeathTest, PositionsOutsideTheText)
{
    CStr empty;
    CStr text("abc");
    EXPECT_DEATH(empty.Last(), "CStr fatal 2");
    EXPECT_DEATH(text[3], "CStr fatal 2");
    EXPECT_DEATH(text[-1], "CStr fatal 2");
    EXPECT_DEATH(text.Find('a', 4), "CStr fatal 2");
    EXPECT_DEATH(text.Find("a", 4), "CStr fatal 2");
    EXPECT_DEATH(text.FindOneOf("a", 5), "CStr fatal 2");
    EXPECT_DEATH(text.Find('a', -1), "CStr fatal 2");
    EXPECT_DEATH(text.Mid(4), "CStr fatal 2");
    EXPECT_DEATH(text.Left(-1), "CStr fatal 2");
    EXPECT_DEATH(text.CutEnd(4), "CStr fatal 2");
}

TEST(CStrFatalDeathTest, UnsupportedConversions)
{
    int count = 0;
    EXPECT_DEATH(CStr().Format("ab%n", &count), "CStr fatal 3");
    EXPECT_DEATH(CStr().Format("%S", L"wide"), "CStr fatal 4");
}
