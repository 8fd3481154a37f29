#include "win32/centre_window.h"

#include <algorithm>

namespace win32 {

void CentreWindow(HWND window, HWND over)
{
    RECT area, own, screen;
    GetWindowRect(over ? over : GetDesktopWindow(), &area);
    GetWindowRect(window, &own);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    int width = own.right - own.left, height = own.bottom - own.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    x = std::max<int>(screen.left, std::min<int>(x, screen.right - width));
    y = std::max<int>(screen.top, std::min<int>(y, screen.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32
