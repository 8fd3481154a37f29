#include "menufile/title_colours.h"

namespace menufile {

namespace {

bool IsScanfSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// "/" and a number read as %d or %lu read it: white space, a sign, digits;
// a value too large wraps as the 32-bit conversion does.
bool ReadNumber(const std::string& text, size_t& at, uint32_t& value)
{
    if (at >= text.size() || text[at] != '/')
        return false;
    ++at;
    while (at < text.size() && IsScanfSpace(text[at]))
        ++at;
    bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    size_t first = at;
    value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value * 10 + static_cast<uint32_t>(text[at] - '0');
    if (negative)
        value = 0u - value;
    return at > first;
}

}  // namespace

TitleColours ParseTitleColours(const std::string& parameters)
{
    uint32_t numbers[4] = {};
    size_t read = 0, at = 0;
    while (read < 4 && ReadNumber(parameters, at, numbers[read]))
        ++read;
    TitleColours colours;
    if (read >= 2)
        colours.text = {static_cast<int>(numbers[0]), numbers[1]};
    if (read == 4)
        colours.background = {static_cast<int>(numbers[2]), numbers[3]};
    return colours;
}

std::string FormatTitleColours(const TitleColours& colours)
{
    return "/" + std::to_string(colours.text.system) + "/" + std::to_string(colours.text.value) + "/" +
           std::to_string(colours.background.system) + "/" + std::to_string(colours.background.value);
}

}  // namespace menufile
