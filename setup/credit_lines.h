#pragma once
// The text of the scrolling credits panel: lines separated by "|", each
// drawn in the style its last character chooses.
#include <string>
#include <vector>

namespace setup {

enum class CreditStyle {
    Normal,    // any other last character, the panel's text colour
    Heading,   // tab: large red
    Title,     // line feed: yellow
    Subtitle,  // carriage return: cyan
    Bitmap,    // "^": the text before it names a bitmap resource
};

struct CreditLine {
    CreditStyle style = CreditStyle::Normal;
    std::string text;  // without the style character
};

// Splits at every "|" that is a character of its own (not the trail byte of
// a double-byte character); empty lines are kept.
std::vector<CreditLine> SplitCreditLines(const std::string& text);

// The style a raw line asks for by its last character, and its text without it.
CreditLine ParseCreditLine(const std::string& raw);

}  // namespace setup
