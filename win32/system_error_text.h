#pragma once
#include <windows.h>
#include <cstddef>

namespace win32 {

// The system's text for an error code (GetLastError() when code is 0) in the
// form "%s (0x%x)", without the line break the system text ends with. An
// empty string when there is no text or it does not fit.
void SystemErrorText(char* buffer, size_t size, DWORD code);

}  // namespace win32
