#pragma once
// The owner-drawn controls of the colour pages.
#include <windows.h>
#include <string>

namespace editor {

// A push button with a sunken well of the colour in its middle half.
void DrawSwatch(const DRAWITEMSTRUCT& item, COLORREF colour);

// The title's text centred on its background in a raised frame.
void DrawPreview(const DRAWITEMSTRUCT& item, const std::string& text, COLORREF textColour, COLORREF background);

}  // namespace editor
