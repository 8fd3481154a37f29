#pragma once
// The icon location text: an icon file path and an icon number packed as
// "path|number"; number 0 is the path alone.
#include <string>

namespace shellfiles {

struct IconLocation {
    std::string path;
    int number = 0;
};

// Splits at the last "|" that is not the trail byte of a double-byte character.
IconLocation SplitIconLocation(const std::string& text);

// The leading decimal number of text as atoi reads it (white space, an
// optional sign, digits up to the first other byte), 0 without digits, held
// to the range of int.
int LeadingNumber(const std::string& text);

}  // namespace shellfiles
