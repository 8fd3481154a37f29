// The line splitter's quoting rules and their consequences.
#include <gtest/gtest.h>
#include "menufile/line_splitter.h"

namespace menufile {
namespace {

using Fields = std::vector<std::string>;

TEST(Splitter, KeywordsFieldsAndQuotes)
{
    const LineRules R = LineRules::Resident, E = LineRules::Editor;
    const struct {
        const char* line;
        LineRules rules;
        const char* keyword;
        Fields fields;
    } cases[] = {
        // The keyword is the text before the first space; a tab does not end it.
        {"MENUITEM", R, "MENUITEM", {}},
        {"MENU ITEM x", R, "MENU", {"ITEMx"}},
        {"MENUITEM\ta,b", R, "MENUITEM\ta,b", {}},
        // (Unquoted fields losing their spaces is the reader test's.)
        // Commas make fields, and an empty last field is none.
        {"K a,,b", R, "K", {"a", "", "b"}},
        {"K a,", R, "K", {"a"}},
        {"K ,", R, "K", {""}},
        // Quotes keep commas, spaces and doubled quotes.
        {"K \"a, b\",c", R, "K", {"a, b", "c"}},
        {"K \"a\"\"b\",c", R, "K", {"a\"b", "c"}},
        {"K \"\"\"\"", R, "K", {"\""}},
        {"K \"\",a", R, "K", {"", "a"}},
        {"K a,\"\"", R, "K", {"a", ""}},
        {"K \" lead\"", R, "K", {" lead"}},
        // A quote discards what came before it in the field; bytes after a
        // closing quote are dropped up to the comma, but at the end of the
        // line they are one more field.
        {"K xy\"a\",b", R, "K", {"a", "b"}},
        {"K \"a\"xyz,b", R, "K", {"a", "b"}},
        {"K \"a\"xyz", R, "K", {"a", "xyz"}},
        // An unterminated quote takes the rest of the line, trimmed.
        {"K x,\"  a, b  ", R, "K", {"x", "a, b"}},
        {"K \"a\"\"", R, "K", {"a\""}},
        // ソ and 表 end in 0x5C, ポ in 0x7C: no trail byte is a separator.
        {"K \x83\x5c,\x95\x5c\x83\x7c", R, "K", {"\x83\x5c", "\x95\x5c\x83\x7c"}},
        // The editor trims every blank of the last field only.
        {"K x,\"\tb\t", R, "K", {"x", "\tb\t"}},
        {"K x,\"\tb\t", E, "K", {"x", "b"}},
        {"K \ta\t,b", E, "K", {"\ta\t", "b"}},
    };
    for (const auto& c : cases) {
        std::string keyword;
        Fields fields;
        SplitLine(c.line, c.rules, keyword, fields);
        EXPECT_EQ(keyword, c.keyword) << c.line;
        EXPECT_EQ(fields, c.fields) << c.line;
    }
}

}  // namespace
}  // namespace menufile
