// The programming errors of CStr end the process with "CStr fatal <code>".
#include <gtest/gtest.h>

#include <string>

#include "resident/text/cstr.h"

using resident::CStr;

TEST(CStrFatalDeathTest, LengthBeyondTheLimit)
{
    const std::string half(CStr::kMaxLength / 2 + 1, 'x');
    EXPECT_DEATH(CStr text(std::string(CStr::kMaxLength + 1, 'x').c_str()), "CStr fatal 5");
    EXPECT_DEATH(
        {
            // Lengths that would wrap around 16 bits.
            CStr text(std::string(CStr::kMaxLength, 'x').c_str());
            text += std::string(6, 'y').c_str();
        },
        "CStr fatal 5");
    EXPECT_DEATH(CStr().GetBuffer(CStr::kMaxLength + 1), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%s%s", half.c_str(), half.c_str()), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%99999d", 1), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%*d", 70000, 1), "CStr fatal 5");
}

TEST(CStrFatalDeathTest, PositionsOutsideTheTextAndUnsafeConversions)
{
    CStr text("abc");
    EXPECT_DEATH(CStr().Last(), "CStr fatal 2");
    EXPECT_DEATH(text[3], "CStr fatal 2");
    EXPECT_DEATH(text[-1], "CStr fatal 2");
    int count = 0;
    EXPECT_DEATH(CStr().Format("ab%n", &count), "CStr fatal 3");
    EXPECT_DEATH(CStr().Format("%S", L"wide"), "CStr fatal 4");
}
