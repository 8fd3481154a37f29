#include "settings/shift_jis.h"

#include "resident/text/dbcs.h"

namespace settings {

namespace {
// Walks the text character by character and calls visit(start, width)
// until it returns false.
template <typename Visit>
void ForEachCharacter(const std::string& text, Visit visit)
{
    size_t i = 0;
    while (i < text.size()) {
        size_t width = resident::IsLeadByte932(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (!visit(i, width))
            return;
        i += width;
    }
}
}  // namespace

std::string CutOnCharacterBoundary(const std::string& text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    size_t end = 0;
    ForEachCharacter(text, [&](size_t start, size_t width) {
        if (start + width > maxBytes)
            return false;
        end = start + width;
        return true;
    });
    return text.substr(0, end);
}

size_t LastBackslash(const std::string& text)
{
    size_t last = std::string::npos;
    ForEachCharacter(text, [&](size_t start, size_t width) {
        if (width == 1 && text[start] == '\\')
            last = start;
        return true;
    });
    return last;
}

}  // namespace settings
