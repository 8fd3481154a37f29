#include "shellfiles/icon_location.h"

#include <climits>
#include "shiftjis/shift_jis.h"

namespace shellfiles {

IconLocation SplitIconLocation(const std::string& text)
{
    IconLocation location;
    size_t bar = shiftjis::FindLastOf(text, "|");
    if (bar == std::string::npos) {
        location.path = text;
        return location;
    }
    location.path = text.substr(0, bar);
    location.number = LeadingNumber(text.substr(bar + 1));
    return location;
}

int LeadingNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

}  // namespace shellfiles
