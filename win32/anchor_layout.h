#pragma once
// Keeps the controls of a resizable dialog in place: each control keeps its
// distances to the edges it is anchored to as the dialog's size changes.
#include <windows.h>
#include <vector>

namespace win32 {

class AnchorLayout {
public:
    enum Anchor : unsigned {
        kMoveX = 1,  // keeps its distance to the right edge
        kMoveY = 2,  // keeps its distance to the bottom edge
        kGrowX = 4,  // keeps both horizontal distances
        kGrowY = 8,  // keeps both vertical distances
    };

    // Call with the dialog at its template size, after adding the controls.
    void Add(HWND control, unsigned anchors);
    void Start(HWND dialog);
    // From WM_SIZE.
    void Resize() const;
    // From WM_GETMINMAXINFO: never smaller than at the start.
    void Limit(MINMAXINFO& info) const;

private:
    struct Control {
        HWND window;
        unsigned anchors;
        RECT start;
    };
    HWND dialog_ = nullptr;
    SIZE startClient_ = {};
    SIZE startWindow_ = {};
    std::vector<Control> controls_;
};

}  // namespace win32
