#pragma once
// Double-byte aware scanning of path texts. They are Shift-JIS: a trail byte
// may be 0x5C (\) or 0x7C (|), so every byte-wise search for a separator has
// to step over whole characters.
#include <cstddef>
#include <string>

namespace shellfiles {

// Whether a byte opens a double-byte character in the program's code page.
bool IsLeadByte(unsigned char byte);

// Length in bytes of the character at text[i]: 2 for a lead byte with a byte
// after it, else 1.
inline size_t CharLength(const std::string& text, size_t i)
{
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Position of the last single-byte character that is one of chars, or npos.
inline size_t FindLastOf(const std::string& text, const char* chars)
{
    size_t found = std::string::npos;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        for (const char* c = chars; *c; ++c) {
            if (text[i] == *c)
                found = i;
        }
    }
    return found;
}

}  // namespace shellfiles
