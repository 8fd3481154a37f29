#pragma once
// The help file, shown by the HTML Help control. The control is loaded at
// the first request; where it is missing, help shows nothing.
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"

namespace resident {

class HelpViewer {
public:
    HelpViewer() = default;
    // Closes the help windows before the control is unloaded.
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Opens the file's default topic over owner. A missing file is the
    // control's to report.
    void Show(HWND owner, const std::string& helpFile);
    bool available() const { return htmlHelp_ != nullptr; }

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const char*, UINT, DWORD_PTR);
    void Load();

    bool tried_ = false;
    win32::UniqueModule control_;
    HtmlHelpFunction htmlHelp_ = nullptr;
};

}  // namespace resident
