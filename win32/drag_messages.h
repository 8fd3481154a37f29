#pragma once
// The messages of a mouse drag under way in a window that holds the capture:
// moves (the middle button too), the left button let go, and Esc or the
// capture lost, which cancel it; other keys are swallowed.
#include <windows.h>
#include <functional>

namespace win32 {

struct DragHandlers {
    std::function<void(POINT client, WPARAM keys)> move;
    std::function<void(POINT client)> drop;
    std::function<void()> cancel;
};

// Calls the handler of a drag message (points in the window's client
// area); false for any other message.
bool RouteDragMessage(UINT message, WPARAM wParam, LPARAM lParam, const DragHandlers& handlers);

}  // namespace win32
