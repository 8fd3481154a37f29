#pragma once
// A bar docked on the left edge of a frame: a caption strip, one content
// window below it, and a right edge that the mouse drags to resize the bar.
// A bar with contents derives from this class: it makes its control as a
// child of handle(), hands it to SetContent and handles the control's
// notifications in its own OnMessage.
#include <windows.h>
#include <functional>
#include <string>
#include "win32/frame_bar.h"
#include "win32/window.h"

namespace win32 {

class DockedBar : public Window, public FrameBar {
public:
    static constexpr int kEdgeWidth = 5;
    static constexpr int kMinWidth = 40;

    bool Create(HWND frame, const std::string& caption, int width, UINT controlId);
    void SetContent(HWND content);
    HWND content() const noexcept { return content_; }
    int width() const noexcept { return width_; }
    // Called when the user changed the width: the frame lays itself out.
    void SetResized(std::function<void()> resized) { resized_ = std::move(resized); }
    void Place(RECT& area) override;
    // The height of the caption strip.
    int CaptionHeight() const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();
    void Paint();
    void Drag(int x);

    HWND content_ = nullptr;
    std::string caption_;
    int width_ = 100;
    bool dragging_ = false;
    int dragOffset_ = 0;  // where on the edge the drag took hold
    std::function<void()> resized_;
};

}  // namespace win32
