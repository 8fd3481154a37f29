#include "setup/credit_lines.h"

#include <windows.h>

namespace setup {
namespace {

// Offset of the last character of text (the lead byte when it is a
// double-byte one), or npos for an empty text.
size_t LastCharacterOffset(const std::string& text)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        last = i;
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size())
            ++i;
    }
    return last;
}

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
    size_t last = LastCharacterOffset(raw);
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
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size()) {
            ++i;
        } else if (text[i] == '|') {
            lines.push_back(ParseCreditLine(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    lines.push_back(ParseCreditLine(text.substr(start)));
    return lines;
}

}  // namespace setup
