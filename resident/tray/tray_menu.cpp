// Showing the menu of a tray icon when one of its buttons goes down.
#include "resident/tray/tray_icon.h"

#include <algorithm>

#include "resident/app.h"
#include "resident/tray/tray_popup.h"
#include "resident/tray/tray_settings.h"
#include "resources/resident/resource_ids.h"
#include "win32/unique_handle.h"

namespace resident {

namespace {
constexpr int kSettingsSubmenu = 1;  // "設定" of the class menu
}

void TrayIcon::ShowMenu(Side side)
{
    // A click that arrives while a popup is open (the menu hook has just
    // closed it) must not empty that popup's launch map or build a second
    // popup inside its loop.
    if (TrayPopupOpen())
        return;
    POINT at = {};
    GetCursorPos(&at);
    ResidentMenuFile& file = side == Side::Left ? leftMenu_ : rightMenu_;
    // A file that cannot be read ends the resident, after its message.
    if (!file.loaded() && !file.Load()) {
        PostMessageA(owner_.window(), WM_COMMAND, CMD_EXIT, 0);
        return;
    }
    // The message box of a broken file takes further clicks in its loop:
    // what was read before the error is never shown or launched from.
    if (!file.readWhole())
        return;
    launchMap_.Clear();
    if (file.root() && !file.root()->entries.empty()) {
        ShowPopup(side, *file.root(), file, at);
        return;
    }
    if (side == Side::Right && IsLast())
        ShowSettingsMenu(at);
}

// A menu file with entries: its owner-drawn popup, shown and handled.
void TrayIcon::ShowPopup(Side side, const menufile::MenuList& menu, const ResidentMenuFile& file, POINT at)
{
    TrayPopup popup;
    popup.menu = &menu;
    popup.options = file.options();
    popup.width = file.width();
    popup.settingsSubmenu = side == Side::Right && IsLast();
    popup.autoHideMs = static_cast<DWORD>(std::max(owner_.menuAutoHide(), 0));
    popup.window = owner_.window();
    popup.at = at;
    ShowTrayPopup(popup, launchMap_, TheFolderMenuSource());
}

// The last icon's right button shows the settings submenu of the class menu
// when its own menu is empty; the choice reaches the main window as
// WM_COMMAND.
void TrayIcon::ShowSettingsMenu(POINT at)
{
    HWND window = owner_.window();
    SetActiveWindow(window);
    SetForegroundWindow(window);
    win32::UniqueMenu menu(LoadMenuA(TheApp().instance, MAKEINTRESOURCEA(IDM_RESIDENT)));
    if (!menu)
        return;
    TrackPopupMenu(GetSubMenu(menu.get(), kSettingsSubmenu), 0, at.x, at.y, 0, window, nullptr);
}

}  // namespace resident
