#pragma once
// Byte-level helpers for Shift-JIS (code page 932) texts, where the second
// byte of a double-byte character may be a backslash.
#include <cstddef>
#include <string>

namespace settings {

// The text cut to at most maxBytes bytes, never in the middle of a
// double-byte character.
std::string CutOnCharacterBoundary(const std::string& text, size_t maxBytes);

// Index of the last backslash that is a character of its own, or npos.
size_t LastBackslash(const std::string& text);

}  // namespace settings
