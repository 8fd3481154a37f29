#pragma once
// The frame of a multiple-document window: the MDI client in the part of
// the client area that its bars leave, and the frame's default procedure.
#include <windows.h>
#include <vector>
#include "win32/frame_bar.h"
#include "win32/window.h"

namespace win32 {

class MdiFrame : public Window {
public:
    HWND client() const noexcept { return client_; }
    // The active child window, or null when none is open.
    HWND ActiveChild() const;
    // The child windows in the client, in no particular order.
    std::vector<HWND> Children() const;

    // Places the bars in the order they were added (each from its edge) and
    // the MDI client in the rest.
    void RecalcLayout();

protected:
    // Makes the MDI client; windowMenu (may be null) lists the children.
    bool CreateClient(HMENU windowMenu);
    // Puts frameMenu on the frame and names its window menu (WM_MDISETMENU).
    void SetMenus(HMENU frameMenu, HMENU windowMenu);
    void AddBar(FrameBar& bar) { bars_.push_back(&bar); }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND client_ = nullptr;
    std::vector<FrameBar*> bars_;
};

}  // namespace win32
