#pragma once
// Double-byte character rule of code page 932 (Shift-JIS), fixed rather than
// taken from the system's code page: menu files and resources are Shift-JIS
// whatever the machine's settings, and the host build needs the same rule.
#include <cstddef>

namespace resident {

inline bool IsLeadByte932(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the character at text (1 or 2); a lead byte before the
// terminator stands alone, so a walk never steps over the end.
inline size_t CharSize932(const char* text)
{
    return IsLeadByte932(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}

// First character of text that is also a character of set, both read as
// Shift-JIS (a trail byte never matches a single-byte character of the set);
// nullptr when there is none.
const char* FindFirstOf932(const char* text, const char* set);

// Whether the character at text (CharSize932 bytes) is a character of set.
bool SetHoldsChar932(const char* set, const char* character, size_t size);

}  // namespace resident
