#include "win32/mdi_child.h"

#include <algorithm>

namespace win32 {

namespace {

// A size grown by more, within limit, and never shrunk.
LONG Grown(LONG size, LONG more, LONG limit)
{
    return std::max(size, std::min(size + more, limit));
}

}  // namespace

MdiChild::~MdiChild()
{
    HWND handle = Unbind();
    if (handle && IsWindow(handle))
        SendMessageA(GetParent(handle), WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle), 0);
}

ATOM MdiChild::RegisterClass(WNDCLASSEXA windowClass)
{
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = StaticProc;
    return RegisterClassExA(&windowClass);
}

bool MdiChild::Create(HWND mdiClient, const char* className, const char* title, DWORD style)
{
    MDICREATESTRUCTA create = {};
    create.szClass = className;
    create.szTitle = title;
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = style;
    create.lParam = reinterpret_cast<LPARAM>(this);
    SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    return handle() != nullptr;
}

void MdiChild::Activate()
{
    if (HWND client = GetParent(handle())) {
        SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle()), 0);
        if (IsIconic(handle()))
            SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(handle()), 0);
    }
}

void MdiChild::Grow(SIZE more)
{
    HWND client = GetParent(handle());
    RECT area = {}, frame = {};
    if (!client || IsZoomed(handle()) || IsIconic(handle()) || !GetClientRect(client, &area) ||
        !GetWindowRect(handle(), &frame))
        return;
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&frame), 2);
    LONG width = Grown(frame.right - frame.left, more.cx, area.right);
    LONG height = Grown(frame.bottom - frame.top, more.cy, area.bottom);
    LONG x = std::max(0L, std::min(frame.left, area.right - width));
    LONG y = std::max(0L, std::min(frame.top, area.bottom - height));
    SetWindowPos(handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MdiChild::Destroy()
{
    if (handle())
        SendMessageA(GetParent(handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle()), 0);
}

LRESULT MdiChild::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(handle(), message, wParam, lParam);
}

LRESULT CALLBACK MdiChild::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* mdi = static_cast<MDICREATESTRUCTA*>(create->lpCreateParams);
        Bind(window, reinterpret_cast<MdiChild*>(mdi->lParam));
    }
    return Route(window, message, wParam, lParam, DefMDIChildProcA);
}

}  // namespace win32
