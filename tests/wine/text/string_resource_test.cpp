// Loading string table texts into a CStr, around the 96-byte first try.
#include <gtest/gtest.h>

#include <string>

#include "resident/text/string_resource.h"
#include "test_strings.h"
#include "../../host/text/cstr_printer.h"

using resident::CStr;
using resident::FormatResourceString;
using resident::LoadResourceString;

namespace {

std::string Repeat(const char* piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

std::string Loaded(UINT id)
{
    CStr text("old");
    EXPECT_TRUE(LoadResourceString(text, id)) << id;
    return text.c_str();
}

}  // namespace

TEST(StringResource, TextsAroundTheFirstTryAreReadWhole)
{
    EXPECT_EQ(Loaded(IDS_TEST_95), "a" + Repeat("あ", 47));
    EXPECT_EQ(Loaded(IDS_TEST_94), Repeat("あ", 47));
    EXPECT_EQ(Loaded(IDS_TEST_93), std::string(93, 'c'));
    EXPECT_EQ(Loaded(IDS_TEST_LONG), Repeat("長い文字列", 30) + "end");
}

TEST(StringResource, ADoubleByteCharacterAtTheEdgeOfTheFirstTry)
{
    // The system leaves out a character that does not fit whole: 94 bytes
    // come back from a 99-byte text, as many as a complete 94-byte one.
    char buffer[96];
    ASSERT_EQ(LoadStringA(GetModuleHandleA(nullptr), IDS_TEST_STRADDLE, buffer, sizeof buffer), 94);
    EXPECT_EQ(Loaded(IDS_TEST_STRADDLE), std::string(94, 'b') + "アxyz");
}

TEST(StringResource, MissingTextIsEmptyAndFalse)
{
    CStr text("old");
    EXPECT_FALSE(LoadResourceString(text, IDS_TEST_MISSING));
    EXPECT_TRUE(text.IsEmpty());
    text = "old";
    EXPECT_FALSE(FormatResourceString(text, IDS_TEST_MISSING, 1, 2));
    EXPECT_TRUE(text.IsEmpty());
}
