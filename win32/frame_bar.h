#pragma once
// A bar of a frame window (tool bar, status bar, docked bar): it takes its
// part of the frame's client area from one edge, and the frame gives what
// is left to its main client window.
#include <windows.h>

namespace win32 {

class FrameBar {
public:
    virtual ~FrameBar() = default;
    // Moves the bar into `area` and takes its part away from it. A hidden
    // or missing bar takes nothing.
    virtual void Place(RECT& area) = 0;
};

}  // namespace win32
