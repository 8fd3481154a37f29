#include "win32/splitter.h"

#include <algorithm>
#include <windowsx.h>

namespace win32 {

namespace {

const char kClassName[] = "OmbrixSplitter";

}  // namespace

bool Splitter::Create(HWND parent, UINT controlId)
{
    Window::RegisterClassOnce(kClassName, COLOR_BTNFACE);
    return Window::Create(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), GetModuleHandleA(nullptr));
}

void Splitter::SetPanes(HWND left, HWND right)
{
    left_ = left;
    right_ = right;
    Layout();
}

HWND Splitter::ReplaceRight(HWND right)
{
    HWND old = right_;
    right_ = right;
    Layout();
    return old;
}

void Splitter::SetLeftWidth(int width)
{
    leftWidth_ = std::max(0, width);
    Layout();
}

void Splitter::Layout()
{
    RECT client;
    GetClientRect(handle(), &client);
    // A narrow splitter shows less of the left pane but keeps its width for later.
    shownLeft_ = std::max(0, std::min<int>(leftWidth_, client.right - kBarWidth));
    int rightLeft = shownLeft_ + kBarWidth;
    if (left_)
        MoveWindow(left_, 0, 0, shownLeft_, client.bottom, TRUE);
    if (right_)
        MoveWindow(right_, rightLeft, 0, std::max(0, static_cast<int>(client.right) - rightLeft), client.bottom,
                   TRUE);
}

LRESULT Splitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(handle(), &point);
            if (OnBar(point.x)) {
                SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        if (OnBar(GET_X_LPARAM(lParam))) {
            dragOffset_ = GET_X_LPARAM(lParam) - shownLeft_;
            SetCapture(handle());
        }
        return 0;
    case WM_MOUSEMOVE:
        if (dragOffset_ >= 0)
            SetLeftWidth(GET_X_LPARAM(lParam) - dragOffset_);
        return 0;
    case WM_LBUTTONUP:
        // ReleaseCapture sends WM_CAPTURECHANGED at once: end the drag first.
        dragOffset_ = -1;
        if (GetCapture() == handle())
            ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        dragOffset_ = -1;
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CONTEXTMENU:
        return SendMessageA(GetParent(handle()), message, wParam, lParam);
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace win32
