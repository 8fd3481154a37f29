#include "win32/drag_messages.h"

namespace win32 {

bool RouteDragMessage(UINT message, WPARAM wParam, LPARAM lParam, const DragHandlers& handlers)
{
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_MBUTTONDOWN:
        handlers.move(point, wParam);
        return true;
    case WM_LBUTTONUP:
        handlers.drop(point);
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            handlers.cancel();
        return true;
    case WM_CAPTURECHANGED:
        handlers.cancel();
        return true;
    }
    return false;
}

}  // namespace win32
