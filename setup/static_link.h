#pragma once
// A static control that works as a link: drawn underlined in the link
// colour on the dialog's own background, opened by the shell when clicked,
// with the hand cursor over it.
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"
#include "win32/window.h"

namespace setup {

class CStaticLink : public win32::Subclass {
public:
    static constexpr COLORREF kUnvisited = RGB(0, 0, 255);
    static constexpr COLORREF kVisited = RGB(128, 0, 128);

    // An empty target means the control's own text.
    explicit CStaticLink(std::string target = {}) : target_(std::move(target)) {}

    // Subclasses the control of a dialog; it must tell its parent of
    // colour requests through win32::ReflectedMessage.
    bool Attach(HWND control);

    // Opens the target as a click does: true when the shell started it.
    // A failure beeps and leaves the colour as it was.
    bool Open();

    COLORREF color() const { return color_; }
    const std::string& target() const { return target_; }
    HFONT font() const { return font_.get(); }

    // Cursor 106 of winhlp32.exe, or the system's hand when that cannot be
    // had; loaded once for the process.
    static HCURSOR HandCursor();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnColorRequest(HDC dc);
    void MakeUnderlinedFont();
    void Repaint();

    std::string target_;
    COLORREF color_ = kUnvisited;
    win32::UniqueFont font_;
    bool pressed_ = false;
};

}  // namespace setup
