#pragma once
// Where a program's message box goes: the window it belongs to, the caption,
// and the module whose string table holds its texts.
#include <windows.h>

namespace win32 {

struct ReportOwner {
    HWND window = nullptr;
    HINSTANCE instance = nullptr;
    const char* caption = "";
};

}  // namespace win32
