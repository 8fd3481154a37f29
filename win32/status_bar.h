#pragma once
// A status bar of one pane for prompts, which can show a progress bar in
// the pane beside its text.
#include <windows.h>
#include <string>
#include "win32/frame_bar.h"

namespace win32 {

class StatusBar : public FrameBar {
public:
    bool Create(HWND parent, UINT controlId);
    HWND handle() const noexcept { return handle_; }
    HWND progress() const noexcept { return progress_; }
    void SetText(const std::string& text);
    std::string text() const;
    // The text, and beside it a progress bar at percent (0 to 100).
    void ShowProgress(const std::string& text, int percent);
    void EndProgress();
    void Place(RECT& area) override;

private:
    void PlaceProgress();

    HWND handle_ = nullptr;
    HWND progress_ = nullptr;
};

}  // namespace win32
