#pragma once
#include <windows.h>
#include <string>
#include "menufile/title_colours.h"

namespace editor {

// The name the colour sheet shows for a colour: the name of its row of the
// system colour table for a system colour (empty when no row has it), its
// red, green and blue for any other.
std::string ColourName(HINSTANCE instance, const menufile::TitleColour& colour);

}  // namespace editor
