#pragma once
// A static splitter of one row and two columns: two pane windows (children
// of the splitter) side by side, with a bar between them that the mouse
// drags. Notifications of the panes go on to the splitter's parent.
#include <windows.h>
#include "win32/window.h"

namespace win32 {

class Splitter : public Window {
public:
    static constexpr int kBarWidth = 4;

    // A child of parent filling nothing yet; the parent sizes it.
    bool Create(HWND parent, UINT controlId);
    // The panes must be children of handle().
    void SetPanes(HWND left, HWND right);
    // Puts a new right pane in place and hands back the old one, which the
    // caller destroys.
    HWND ReplaceRight(HWND right);
    HWND left() const noexcept { return left_; }
    HWND right() const noexcept { return right_; }
    // The left pane's width, shown narrower while the splitter is.
    void SetLeftWidth(int width);
    int leftWidth() const noexcept { return leftWidth_; }
    int shownLeftWidth() const noexcept { return shownLeft_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();
    bool OnBar(int x) const { return x >= shownLeft_ && x < shownLeft_ + kBarWidth; }

    HWND left_ = nullptr;
    HWND right_ = nullptr;
    int leftWidth_ = 120;
    int shownLeft_ = 0;
    int dragOffset_ = -1;  // where on the bar the drag took hold; -1 without a drag
};

}  // namespace win32
