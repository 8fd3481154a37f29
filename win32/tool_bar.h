#pragma once
// A tool bar made from a bitmap of button images in a row and a button
// table resource of the same id (type 241: version 1, image width, image
// height, count, then the command ids, 0 for a separator).
#include <windows.h>
#include <vector>
#include "win32/frame_bar.h"

namespace win32 {

inline constexpr WORD kToolBarResourceType = 241;

class ToolBar : public FrameBar {
public:
    // A flat bar at the top of parent with tool tips; false when the window
    // or the resource could not be had.
    bool Create(HWND parent, HINSTANCE instance, int resourceId, UINT controlId);
    HWND handle() const noexcept { return handle_; }
    // The command ids of the buttons, separators left out.
    const std::vector<int>& commands() const noexcept { return commands_; }
    // Changes a button only when its state differs, so that the idle
    // updates cause no repainting.
    void SetState(int command, bool enabled, bool checked);
    void Place(RECT& area) override;

private:
    HWND handle_ = nullptr;
    std::vector<int> commands_;
};

// The command ids of a button table resource (0 for separators), with the
// image size; empty when the resource is missing or not of version 1.
struct ToolBarTable {
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<int> items;
};
ToolBarTable LoadToolBarTable(HINSTANCE instance, int resourceId);

}  // namespace win32
