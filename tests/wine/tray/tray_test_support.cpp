#include "tests/wine/tray/tray_test_support.h"

#include <shellapi.h>
#include "win32/unique_handle.h"

std::vector<uint32_t> IconPixels(HICON icon)
{
    if (!icon)
        return {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    win32::SelectObjectGuard select(dc.get(), bitmap.get());
    win32::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    RECT all = {0, 0, 16, 16};
    FillRect(dc.get(), &all, magenta.get());
    DrawIconEx(dc.get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    return std::vector<uint32_t>(pixels, pixels + 16 * 16);
}

std::vector<uint32_t> ResourceIconPixels(int id)
{
    win32::UniqueIcon icon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0)));
    return IconPixels(icon.get());
}

bool ShellKnowsIcon(HWND window, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

namespace {
const char kTestWindowClass[] = "OmbrixTrayTestWindow";
}

TestWindow::TestWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestWindowClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kTestWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

TestWindow::~TestWindow()
{
    DestroyWindow(window_);
}
