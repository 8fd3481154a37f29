#pragma once
// What a program hands its popup menus. Nothing in the menus reaches for
// process-wide state of a program, so the resident and the editor's test
// display build the same menus from their own instance, windows and texts.
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace resident {

struct MenuContext {
    HINSTANCE instance = nullptr;         // the program's: icons are extracted for it
    HWND owner = nullptr;                 // owns the menus and any message box they show
    std::string caption;                  // the caption of those boxes
    HIMAGELIST largeImageList = nullptr;  // the system image lists, borrowed
    HIMAGELIST smallImageList = nullptr;
    std::string fileNotFound;             // a command entry's text when the shell knows no name for its path
    UINT trayMessage = 0;                 // a tray click that closes a menu the user works in; 0 for none
};

}  // namespace resident
