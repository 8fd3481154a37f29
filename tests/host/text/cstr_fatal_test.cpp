// The programming errors of CStr's formatter end the process with
// "CStr fatal <code>". (The other operations that check their arguments are
// called by no program.)
#include <gtest/gtest.h>

#include <string>

#include "resident/text/cstr.h"

using resident::CStr;

TEST(CStrFatalDeathTest, FormatsBeyondTheLimitAndUnsafeConversions)
{
    const std::string half(CStr::kMaxLength / 2 + 1, 'x');
    EXPECT_DEATH(CStr().Format("%s%s", half.c_str(), half.c_str()), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%99999d", 1), "CStr fatal 5");
    EXPECT_DEATH(CStr().Format("%*d", 70000, 1), "CStr fatal 5");
    int count = 0;
    EXPECT_DEATH(CStr().Format("ab%n", &count), "CStr fatal 3");
    EXPECT_DEATH(CStr().Format("%S", L"wide"), "CStr fatal 4");
}
