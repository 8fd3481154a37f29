#pragma once
#include <windows.h>

namespace win32 {

// Moves the window so that its centre is the centre of over (of the
// desktop when over is null), keeping it on the screen.
void CentreWindow(HWND window, HWND over);

}  // namespace win32
