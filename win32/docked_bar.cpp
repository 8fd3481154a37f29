#include "win32/docked_bar.h"

#include <algorithm>
#include <windowsx.h>
#include "win32/unique_handle.h"

namespace win32 {

namespace {

const char kClassName[] = "OmbrixDockedBar";

}  // namespace

bool DockedBar::Create(HWND frame, const std::string& caption, int width, UINT controlId)
{
    Window::RegisterClassOnce(kClassName, COLOR_BTNFACE);
    caption_ = caption;
    width_ = std::max(width, kMinWidth);
    return Window::Create(0, kClassName, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width_,
                          0, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                          GetModuleHandleA(nullptr));
}

void DockedBar::SetContent(HWND content)
{
    content_ = content;
    Layout();
}

int DockedBar::CaptionHeight() const { return GetSystemMetrics(SM_CYSMCAPTION) + 2; }

void DockedBar::Place(RECT& area)
{
    if (!handle() || !(GetWindowLongA(handle(), GWL_STYLE) & WS_VISIBLE))
        return;
    int width = std::min<int>(width_, std::max<int>(0, area.right - area.left));
    MoveWindow(handle(), area.left, area.top, width, area.bottom - area.top, TRUE);
    area.left += width;
}

void DockedBar::Layout()
{
    if (!content_)
        return;
    RECT client;
    GetClientRect(handle(), &client);
    int top = CaptionHeight();
    MoveWindow(content_, 0, top, std::max(0, static_cast<int>(client.right) - kEdgeWidth),
               std::max(0, static_cast<int>(client.bottom) - top), TRUE);
}

void DockedBar::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    RECT client;
    GetClientRect(handle(), &client);
    RECT strip = {2, 1, client.right - kEdgeWidth, CaptionHeight() - 1};
    DrawEdge(dc, &strip, BDR_RAISEDINNER, BF_RECT);
    InflateRect(&strip, -4, 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SelectObjectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, caption_.c_str(), -1, &strip, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    RECT edge = {client.right - kEdgeWidth, 0, client.right, client.bottom};
    DrawEdge(dc, &edge, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    EndPaint(handle(), &paint);
}

void DockedBar::Drag(int x)
{
    RECT frame;
    GetClientRect(GetParent(handle()), &frame);
    width_ = std::max(kMinWidth, std::min<int>(x - dragOffset_, frame.right - kMinWidth));
    if (resized_)
        resized_();
}

LRESULT DockedBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Layout();
        InvalidateRect(handle(), nullptr, TRUE);
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETCURSOR: {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(handle(), &point);
        RECT client;
        GetClientRect(handle(), &client);
        if (LOWORD(lParam) == HTCLIENT && point.x >= client.right - kEdgeWidth) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        RECT client;
        GetClientRect(handle(), &client);
        if (GET_X_LPARAM(lParam) >= client.right - kEdgeWidth) {
            dragging_ = true;
            dragOffset_ = GET_X_LPARAM(lParam) - width_;
            SetCapture(handle());
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_)
            Drag(GET_X_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        dragging_ = false;
        if (GetCapture() == handle())
            ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace win32
