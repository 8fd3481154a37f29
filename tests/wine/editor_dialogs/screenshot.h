#pragma once
#include <windows.h>
#include <string>

namespace dialogs_test {

// What the screen shows of the window now, as a 24-bit .bmp file.
bool SaveScreenshot(HWND window, const std::string& path);

}  // namespace dialogs_test
