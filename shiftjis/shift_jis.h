#pragma once
// Character-wise walking of Shift-JIS (code page 932) texts. The rule is
// fixed rather than taken from the system's code page: menu files, settings
// and resources are Shift-JIS whatever the machine's settings, and the host
// build needs the same rule. A trail byte may be 0x5C (\) or 0x7C (|), so a
// search for a separator must step over whole characters.
#include <cstddef>
#include <string>

namespace shiftjis {

inline bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the character at text (1 or 2); a lead byte before the
// terminator stands alone, so a walk never steps over the end.
inline size_t CharSize(const char* text)
{
    return IsLeadByte(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}

// Bytes of the character at text[i]; a lead byte at the end stands alone.
inline size_t CharSize(const std::string& text, size_t i)
{
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Whether the character at character (size bytes) is a character of set.
bool SetHoldsChar(const char* set, const char* character, size_t size);

// First character of text that is also a character of set, both read as
// Shift-JIS; nullptr when there is none.
const char* FindFirstOf(const char* text, const char* set);

// Offset of the last single-byte character of text that is one of chars,
// or npos.
size_t FindLastOf(const std::string& text, const char* chars);

// Whether the last character of text is the single-byte c.
bool EndsWith(const std::string& text, char c);

// Offset of the last character of text (its lead byte when it is a
// double-byte one), or npos for an empty text.
size_t LastCharOffset(const std::string& text);

// The text cut to at most maxBytes bytes, never inside a double-byte
// character; a lead byte that ends the text counts as a character.
std::string CutOnCharacterBoundary(const std::string& text, size_t maxBytes);

// As CutOnCharacterBoundary, and a lead byte left without its trail byte at
// the end is dropped too (for texts that are shown).
std::string CutToWholeCharacters(const std::string& text, size_t maxBytes);

// Equal when ASCII letters are compared without case; double-byte
// characters compare byte for byte (their trail bytes are no letters).
bool EqualIgnoringCase(const std::string& a, const std::string& b);
// The same for the first characters of text, which must end where a
// character of text ends.
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix);

}  // namespace shiftjis
