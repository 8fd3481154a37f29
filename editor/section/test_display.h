#pragma once
// The test display: a side's menu shown at the cursor exactly as the
// resident will show it, with that side's options and width, built by the
// resident's own popup library in its display-only mode (folder entries fill
// as they open; choosing an entry does nothing).
#include <windows.h>
#include "editor/section.h"

namespace editor {

// An empty menu is told with a box instead. Returns once the menu closed.
// The owner must not be the frame: the frame grays every item whose command
// no window handles, and every item of the display carries one id that none
// does.
void ShowTestDisplay(HINSTANCE instance, HWND owner, const Section& section, Side side);

}  // namespace editor
