#include "win32/mdi_frame.h"

namespace win32 {

HWND MdiFrame::ActiveChild() const
{
    if (!client_)
        return nullptr;
    return reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
}

std::vector<HWND> MdiFrame::Children() const
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(client_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The icon titles of minimised children are windows of the client too.
        if (!GetWindow(child, GW_OWNER))
            children.push_back(child);
    }
    return children;
}

bool MdiFrame::CreateClient(HMENU windowMenu)
{
    // The first child's id: far above every command id, so that the window
    // menu's entries never collide with them.
    CLIENTCREATESTRUCT create = {windowMenu, 0xFF00};
    client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                              handle(), nullptr, GetModuleHandleA(nullptr), &create);
    return client_ != nullptr;
}

void MdiFrame::SetMenus(HMENU frameMenu, HMENU windowMenu)
{
    SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(frameMenu),
                 reinterpret_cast<LPARAM>(windowMenu));
    DrawMenuBar(handle());
}

void MdiFrame::RecalcLayout()
{
    RECT area;
    GetClientRect(handle(), &area);
    for (FrameBar* bar : bars_)
        bar->Place(area);
    if (client_)
        MoveWindow(client_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

LRESULT MdiFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The frame's default procedure would give the whole client area to
    // the MDI client, under the bars.
    if (message == WM_SIZE) {
        RecalcLayout();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT MdiFrame::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcA(handle(), client_, message, wParam, lParam);
}

}  // namespace win32
