#include "shiftjis/shift_jis.h"

#include <cstring>

namespace shiftjis {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Length of the longest prefix of at most maxBytes that ends on a character
// boundary.
size_t BoundaryWithin(const std::string& text, size_t maxBytes)
{
    size_t end = 0;
    while (end < text.size()) {
        size_t size = CharSize(text, end);
        if (end + size > maxBytes)
            break;
        end += size;
    }
    return end;
}

}  // namespace

bool SetHoldsChar(const char* set, const char* character, size_t size)
{
    for (const char* p = set; *p != '\0';) {
        size_t step = CharSize(p);
        if (step == size && std::memcmp(p, character, size) == 0)
            return true;
        p += step;
    }
    return false;
}

const char* FindFirstOf(const char* text, const char* set)
{
    for (const char* p = text; *p != '\0';) {
        size_t size = CharSize(p);
        if (SetHoldsChar(set, p, size))
            return p;
        p += size;
    }
    return nullptr;
}

size_t FindLastOf(const std::string& text, const char* chars)
{
    size_t found = std::string::npos;
    for (size_t i = 0; i < text.size(); i += CharSize(text, i)) {
        if (CharSize(text, i) == 1 && text[i] != '\0' && std::strchr(chars, text[i]))
            found = i;
    }
    return found;
}

bool EndsWith(const std::string& text, char c)
{
    size_t last = LastCharOffset(text);
    return last != std::string::npos && last + 1 == text.size() && text[last] == c;
}

size_t LastCharOffset(const std::string& text)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < text.size(); i += CharSize(text, i))
        last = i;
    return last;
}

std::string CutOnCharacterBoundary(const std::string& text, size_t maxBytes)
{
    return text.substr(0, BoundaryWithin(text, maxBytes));
}

std::string CutToWholeCharacters(const std::string& text, size_t maxBytes)
{
    size_t end = BoundaryWithin(text, maxBytes);
    size_t last = LastCharOffset(text);
    if (end > 0 && end == text.size() && last == end - 1 && IsLeadByte(static_cast<unsigned char>(text[last])))
        --end;
    return text.substr(0, end);
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    if (prefix.size() > text.size())
        return false;
    size_t i = 0;
    while (i < prefix.size()) {
        size_t size = CharSize(text, i);
        if (size == 2 ? text.compare(i, 2, prefix, i, 2) != 0 : Lower(text[i]) != Lower(prefix[i]))
            return false;
        i += size;
    }
    // The prefix ends inside a double-byte character of text.
    return i == prefix.size();
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

}  // namespace shiftjis
