#pragma once
// The colours of a title line (STATIC), kept in its parameters as
// "/%d/%lu/%d/%lu": text system flag, text value, background system flag,
// background value. A system flag that is not 0 makes the value a system
// colour index; 0 makes it a colour value 0x00BBGGRR.
#include <cstdint>
#include <string>

namespace menufile {

struct TitleColour {
    int system;
    uint32_t value;
};

struct TitleColours {
    TitleColour text{1, 7};        // the menu's text colour (COLOR_MENUTEXT)
    TitleColour background{1, 4};  // the menu's colour (COLOR_MENU)
};

// Reads the numbers as scanf reads the format: fewer than four give the
// default background, fewer than two the default text colour as well.
TitleColours ParseTitleColours(const std::string& parameters);
std::string FormatTitleColours(const TitleColours& colours);

// The colour value that a title colour stands for now (the system colour
// of the current scheme for a system colour).
uint32_t ColourValue(const TitleColour& colour);

}  // namespace menufile
