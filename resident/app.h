#pragma once
// Process-wide state of the resident: one instance, filled at start-up by the
// main window and read by the other parts of the resident.
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace resident {

struct App {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    char productCaption[100] = "";  // string 103, "Q-Fendix"
    std::string programFolder;      // ends in a backslash
    std::string settingsPath;       // the program's path with "ini" for its last three characters
    std::string poolPath;           // folder of the menu files
    HIMAGELIST largeImageList = nullptr;  // the system image lists; owned by the system
    HIMAGELIST smallImageList = nullptr;
};

App& TheApp();

// Asks the shell for its large and small system image lists (borrowed, never
// destroyed) and keeps them in the app.
void AttachSystemImageLists(App& app);

}  // namespace resident
