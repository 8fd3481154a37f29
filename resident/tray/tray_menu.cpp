// Showing the menu of a tray icon when one of its buttons goes down.
#include "resident/tray/tray_icon.h"

#include "resident/app.h"
#include "resident/tray/tray_settings.h"
#include "resources/resident/resource_ids.h"
#include "win32/unique_handle.h"

namespace resident {

namespace {
constexpr int kSettingsSubmenu = 1;  // "設定" of the class menu
}

void TrayIcon::ShowMenu(Side side)
{
    POINT at = {};
    GetCursorPos(&at);
    const settings::MenuSide& menu = side == Side::Left ? leftMenu_ : rightMenu_;
    launchMap_.Clear();
    // The popup of a menu file with entries is built, tracked and launched
    // here (its builder, menu hook and launcher); until then a file's
    // entries show nothing.
    (void)menu;
    if (side == Side::Right && IsLast())
        ShowSettingsMenu(at);
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
