#pragma once
#include <windows.h>

namespace resident {

// The resident's whole life: single-instance test, version test of the
// settings, the hidden main window and its message loop. Returns the
// process exit code.
int RunResident(HINSTANCE instance);

}  // namespace resident
