#pragma once
// One popup of a tray icon's menu, from building to teardown: the owner-
// drawn tree with ids from 2000, the folder menus, the menu hook with the
// auto-hide time, TrackPopupMenu, the chosen entry started (or its command
// posted) while the popup's objects still exist, then everything destroyed.
#include <windows.h>
#include <string>
#include "menufile/menu_model.h"

namespace resident {

class LaunchMap;
class FolderMenuSource;

struct TrayPopup {
    const menufile::MenuList* menu = nullptr;
    int options = 0;
    int width = 0;
    bool settingsSubmenu = false;  // the right menu of the last tray icon
    DWORD autoHideMs = 0;
    HWND window = nullptr;         // owner of the menu: the main window
    POINT at = {};
};

// Shows the popup and handles the choice; returns the chosen id, 0 for none.
int ShowTrayPopup(const TrayPopup& popup, LaunchMap& launchMap, FolderMenuSource* folders);

// True while a popup is open. A tray click that arrives inside the popup's
// modal loop must not build a second one: that would empty the open popup's
// launch map and destroy its folder menus under it.
bool TrayPopupOpen();

// What a chosen id does: an id from 2000 to 4000 starts its launch string,
// other ids of 100 and more are posted to window as WM_COMMAND.
void DispatchChoice(int id, const LaunchMap& launchMap, HWND window);

// Starts one launch string (target, NUL, parameters, NUL).
void LaunchChosenEntry(const std::string& launchString);

}  // namespace resident
