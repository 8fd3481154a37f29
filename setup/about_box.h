#pragma once
// The version box, shown when the assistant is started without "/pt".
#include <windows.h>

namespace setup {

// Runs the box modally and returns how it ended (IDOK, IDCANCEL, or -1
// when it could not be made). The help file is Ombrix.chm beside the program.
INT_PTR ShowAboutBox(HINSTANCE instance);

}  // namespace setup
