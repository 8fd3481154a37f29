#pragma once
// Small text rules of the menu entries. Texts are Shift-JIS: a trail byte
// may be 0x5C, so the searches step over double-byte characters.
#include <string>

namespace resident {

// The mnemonic of an entry text: the character after the first "&" that is
// not part of "&&" (which shows one "&"), or 0.
char MnemonicOf(const char* text);
// Whether the mnemonic m answers the typed character c (ASCII letters
// compared without case).
bool SameMnemonic(char m, int c);

// An entry text split at the first backslash followed by "t" (written
// "\t" in the menu file): the left part and the right-aligned part.
struct SplitText {
    std::string left;
    std::string right;
    bool hasRight = false;  // the split point exists and is not at the start
};
SplitText SplitAtTab(const std::string& text);

}  // namespace resident
