// The line splitter's quoting rules and their consequences.
#include <gtest/gtest.h>
#include "menufile/line_splitter.h"

namespace menufile {
namespace {

struct Split {
    std::string keyword;
    std::vector<std::string> fields;
};

Split SplitOf(const std::string& line, LineRules rules = LineRules::Resident)
{
    Split split;
    SplitLine(line, rules, split.keyword, split.fields);
    return split;
}

using Fields = std::vector<std::string>;

TEST(Splitter, KeywordIsTheTextBeforeTheFirstSpace)
{
    EXPECT_EQ(SplitOf("MENUITEM").keyword, "MENUITEM");
    EXPECT_TRUE(SplitOf("MENUITEM").fields.empty());
    EXPECT_EQ(SplitOf("MENU ITEM x").keyword, "MENU");
    EXPECT_EQ(SplitOf("MENU ITEM x").fields, Fields{"ITEMx"});
    // A tab does not end the keyword.
    EXPECT_EQ(SplitOf("MENUITEM\ta,b").keyword, "MENUITEM\ta,b");
}

TEST(Splitter, UnquotedFieldsLoseTheirSpaces)
{
    EXPECT_EQ(SplitOf("MENUITEM C:\\Windows\\notepad.exe,\x83\x81\x83\x82\x92\xa0").fields,
              (Fields{"C:\\Windows\\notepad.exe", "\x83\x81\x83\x82\x92\xa0"}));
    EXPECT_EQ(SplitOf("MENUITEM C:\\Program Files\\a.exe, A").fields, (Fields{"C:\\ProgramFiles\\a.exe", "A"}));
    EXPECT_EQ(SplitOf("MENUITEM \"C:\\Program Files\\a.exe\", A,,,3, MENUBREAK").fields,
              (Fields{"C:\\Program Files\\a.exe", "A", "", "", "3", "MENUBREAK"}));
}

TEST(Splitter, CommasMakeFieldsAndAnEmptyLastFieldIsNone)
{
    EXPECT_EQ(SplitOf("K a,,b").fields, (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitOf("K a,").fields, Fields{"a"});
    EXPECT_EQ(SplitOf("K ,").fields, Fields{""});
    EXPECT_EQ(SplitOf("K ,,,,,MENUBREAK").fields, (Fields{"", "", "", "", "", "MENUBREAK"}));
}

TEST(Splitter, QuotesKeepCommasSpacesAndDoubledQuotes)
{
    EXPECT_EQ(SplitOf("K \"a, b\",c").fields, (Fields{"a, b", "c"}));
    EXPECT_EQ(SplitOf("K \"a\"\"b\",c").fields, (Fields{"a\"b", "c"}));
    EXPECT_EQ(SplitOf("K \"\"\"\"").fields, Fields{"\""});
    EXPECT_EQ(SplitOf("K \"\",a").fields, (Fields{"", "a"}));
    EXPECT_EQ(SplitOf("K a,\"\"").fields, (Fields{"a", ""}));
    EXPECT_EQ(SplitOf("K \" lead\"").fields, Fields{" lead"});
}

TEST(Splitter, BytesAroundQuotesFollowTheirRules)
{
    // A quote discards what came before it in the field.
    EXPECT_EQ(SplitOf("K xy\"a\",b").fields, (Fields{"a", "b"}));
    // Bytes after a closing quote are dropped up to the comma...
    EXPECT_EQ(SplitOf("K \"a\"xyz,b").fields, (Fields{"a", "b"}));
    // ...but at the end of the line they are one more field.
    EXPECT_EQ(SplitOf("K \"a\"xyz").fields, (Fields{"a", "xyz"}));
    // An unterminated quote takes the rest of the line, trimmed.
    EXPECT_EQ(SplitOf("K x,\"  a, b  ").fields, (Fields{"x", "a, b"}));
    EXPECT_EQ(SplitOf("K \"a\"\"").fields, Fields{"a\""});
}

TEST(Splitter, ShiftJisTrailBytesAreNotSeparators)
{
    // ソ and 表 end in 0x5C, ポ in 0x7C; no trail byte is a comma, space or quote.
    EXPECT_EQ(SplitOf("K \x83\x5c,\x95\x5c\x83\x7c").fields, (Fields{"\x83\x5c", "\x95\x5c\x83\x7c"}));
}

TEST(Splitter, TheEditorTrimsEveryBlankOfTheLastField)
{
    EXPECT_EQ(SplitOf("K x,\"\tb\t", LineRules::Resident).fields, (Fields{"x", "\tb\t"}));
    EXPECT_EQ(SplitOf("K x,\"\tb\t", LineRules::Editor).fields, (Fields{"x", "b"}));
    // Fields before the last keep their tabs in both.
    EXPECT_EQ(SplitOf("K \ta\t,b", LineRules::Editor).fields, (Fields{"\ta\t", "b"}));
}

}  // namespace
}  // namespace menufile
