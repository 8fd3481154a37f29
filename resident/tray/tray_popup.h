#pragma once
// One popup of a tray icon's menu: the owner-drawn tree with the resident's
// ids, its folder menus, the settings submenu, the menu hook with the
// auto-hide time, the chosen entry started (or a settings command posted)
// while the popup's objects still exist, then everything destroyed.
#include <windows.h>
#include <string>
#include <vector>
#include "menufile/menu_model.h"
#include "resident/menus/menu_context.h"

namespace resident {

class FolderMenuSource;
class FolderRegistry;
class LaunchMap;
class OwnerDrawMenu;

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

// The commands of the settings submenu, the only ids ever posted to the
// main window; no entry of a popup takes one of them.
const std::vector<UINT>& SettingsCommands();

// What a chosen id does: a settings command is posted to window as
// WM_COMMAND; any other id starts its launch string, if it has one.
void DispatchChoice(int id, const LaunchMap& launchMap, HWND window);

// Starts one launch string (target, NUL, parameters, NUL).
void LaunchChosenEntry(const std::string& launchString);

// What the resident hands its menus: its instance, the main window (or the
// given owner), caption, system image lists, texts and tray message.
MenuContext ResidentMenuContext(HWND owner);

// The settings submenu on the right menu of the last tray icon: a plain
// separator, then the product caption with submenu 1 of the resident's menu
// resource.
void AppendSettingsSubmenu(OwnerDrawMenu& root);

// The resident's folder registry: once installed at start-up, the folder
// menu source of the popups and the folder entry lookup of Launch.
FolderRegistry& TheFolderRegistry();
void InstallFolderMenus();
// The installed folder menus, or null before InstallFolderMenus.
FolderMenuSource* TheFolderMenuSource();

}  // namespace resident
