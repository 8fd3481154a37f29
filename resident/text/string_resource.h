#pragma once
// Texts of the program's string table (the resources of the executable).
#include <windows.h>

#include "resident/text/cstr.h"

namespace resident {

// The text of string id, whatever its length. A missing (or empty) string
// gives an empty text and false.
bool LoadResourceString(CStr& out, UINT id);

// The text of string id (up to 511 bytes) used as the format of
// CStr::Format with the arguments that follow. A missing string gives an
// empty text and false.
bool FormatResourceString(CStr& out, UINT id, ...);
bool FormatResourceStringV(CStr& out, UINT id, va_list args);

}  // namespace resident
