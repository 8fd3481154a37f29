#pragma once
// The colours a title can be given in the colour sheet, and their names:
// the system colour table (its first 16 rows are the system swatches, every
// row names its system colour) and the 15 fixed colours.
#include <cstdint>
#include <string>
#include "menufile/title_colours.h"

namespace editor {

constexpr int kSystemSwatchCount = 16;
constexpr int kFixedSwatchCount = 15;

// System colour of swatch 0 to 15, fixed colour of swatch 0 to 14.
menufile::TitleColour SystemSwatchColour(int swatch);
menufile::TitleColour FixedSwatchColour(int swatch);

// The string of the first table row with that system colour index; 0 when
// no row has it.
unsigned SystemColourNameId(uint32_t index);

// The default colour of a page: the menu's text or the menu's colour.
menufile::TitleColour DefaultColour(bool text);

}  // namespace editor
