#include "setup/credit_lines.h"

#include "shiftjis/shift_jis.h"

namespace setup {
namespace {

CreditStyle StyleOf(char c)
{
    switch (c) {
    case '\t': return CreditStyle::Heading;
    case '\n': return CreditStyle::Title;
    case '\r': return CreditStyle::Subtitle;
    case '^': return CreditStyle::Bitmap;
    default: return CreditStyle::Normal;
    }
}

}  // namespace

CreditLine ParseCreditLine(const std::string& raw)
{
    CreditLine line;
    line.text = raw;
    size_t last = shiftjis::LastCharOffset(raw);
    // A double-byte character never chooses a style, whatever its trail byte.
    if (last == std::string::npos || last + 1 != raw.size())
        return line;
    line.style = StyleOf(raw[last]);
    if (line.style != CreditStyle::Normal)
        line.text.erase(last);
    return line;
}

std::vector<CreditLine> SplitCreditLines(const std::string& text)
{
    std::vector<CreditLine> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); i += shiftjis::CharSize(text, i)) {
        if (text[i] == '|') {
            lines.push_back(ParseCreditLine(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    lines.push_back(ParseCreditLine(text.substr(start)));
    return lines;
}

}  // namespace setup
