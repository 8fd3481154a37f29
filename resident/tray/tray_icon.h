#pragma once
// One icon in the notification area, made from one [SectionN]: its tooltip,
// its normal, pressed or day-of-month face, and its left and right menus.
#include <windows.h>
#include <string>
#include "menufile/menu_model.h"
#include "resident/menus/launch_map.h"
#include "resident/resident_menu_file.h"
#include "settings/tray_section.h"
#include "win32/unique_handle.h"

namespace resident {

class TraySettings;

// The callback message registered with every tray icon.
constexpr UINT TRAY_CALLBACK_MESSAGE = 0x8001;

// The tip field holds 63 bytes and a NUL: longer descriptions are cut on a
// character boundary.
constexpr size_t kTipLength = 63;
std::string TipText(const std::string& description);

class TrayIcon {
public:
    // Shows the icon (NIM_ADD). The menu files are read when their menu is
    // first shown, and kept until the icon goes.
    TrayIcon(TraySettings& owner, int id, const settings::TraySection& section);
    // Removes the icon (NIM_DELETE).
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // WM_TIMER (the day tick), WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONUP
    // or WM_RBUTTONUP. A button-down returns when its menu has closed.
    void OnEvent(UINT message);

    // Sends NIM_ADD, NIM_MODIFY or NIM_DELETE to the shell. Returns the
    // shell's answer; false too when nothing was sent (a pressed look for
    // an icon that has none).
    bool Update(DWORD operation, bool pressed);

    // The face for the normal or the pressed look: the day of the month, the
    // section's icon, or the resident's default; none for a pressed look
    // that the icon does not have.
    win32::UniqueIcon Face(bool pressed) const;

    int id() const { return id_; }
    bool ShowsDay() const;
    bool HasPressedLook() const;
    bool IsLast() const;
    LaunchMap& launchMap() { return launchMap_; }

private:
    enum class Side { Left, Right };
    void ShowMenu(Side side);              // tray_menu.cpp
    void ShowPopup(Side side, const menufile::MenuList& menu, const ResidentMenuFile& file, POINT at);  // tray_menu.cpp
    void ShowSettingsMenu(POINT at);       // tray_menu.cpp
    win32::UniqueIcon FileIcon(bool pressed) const;

    TraySettings& owner_;
    int id_;
    int flags_;
    std::string description_;
    std::string pressedIconFile_;
    std::string normalIconFile_;
    int pressedIconNumber_;
    int normalIconNumber_;
    ResidentMenuFile leftMenu_;
    ResidentMenuFile rightMenu_;
    LaunchMap launchMap_;
};

}  // namespace resident
