#pragma once
// The HTML Help control, loaded at the first request: from the path its
// class registration names, else hhctrl.ocx from the system folder. When
// neither loads, every request does nothing from then on.
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"

namespace win32 {

class HtmlHelpControl {
public:
    HtmlHelpControl() = default;
    // Closes the help windows before the control is unloaded: a window
    // left behind would run code that is no longer mapped.
    ~HtmlHelpControl();
    HtmlHelpControl(const HtmlHelpControl&) = delete;
    HtmlHelpControl& operator=(const HtmlHelpControl&) = delete;

    // HtmlHelpA with the file, command and data; nothing (and nullptr) when
    // the control cannot be loaded.
    HWND Show(HWND owner, const std::string& helpFile, UINT command, DWORD_PTR data);
    // F1 in a dialog: the topic of the window's help context, else the
    // file's default topic; nothing when the file is missing (the control
    // would report it in a box of its own, or open an empty window).
    HWND ShowForRequest(HWND owner, const std::string& helpFile, const HELPINFO& request);
    // Loads the control now if it was not tried yet; whether it is there.
    bool Load();

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const char*, UINT, DWORD_PTR);
    bool LoadFrom(const std::string& path);

    bool tried_ = false;
    UniqueModule control_;
    HtmlHelpFunction htmlHelp_ = nullptr;
};

}  // namespace win32
