#pragma once
// Helpers of the tray tests: icons compared by what they draw, the shell's
// knowledge of an icon, a window to own icons.
#include <windows.h>
#include <cstdint>
#include <vector>

// The icon drawn at 16 x 16 over magenta, as 32-bit pixels; empty for no icon.
std::vector<uint32_t> IconPixels(HICON icon);
// The same for an icon resource of the test executable, loaded at 16 x 16.
std::vector<uint32_t> ResourceIconPixels(int id);

// Whether the notification area holds the icon (window, id): only then does
// the shell accept a change of it.
bool ShellKnowsIcon(HWND window, UINT id);

// A hidden top-level window that owns the icons of a test.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};
