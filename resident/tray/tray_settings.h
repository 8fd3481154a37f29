#pragma once
// The tray icons of one reading of the settings file, [Section1] to
// [SectionN] for N = TrayNo, and the menu auto-hide time. Replaced whole by
// every reload.
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "resident/tray/day_timer.h"
#include "resident/tray/tray_icon.h"

namespace settings {
class IniFile;
}

namespace resident {

class TraySettings {
public:
    // Reads the file and shows the icons; they are owned by `window`.
    TraySettings(HWND window, const settings::IniFile& file, const std::string& poolPath);
    // Removes the icons in list order; the day timer stops with them.
    ~TraySettings();
    TraySettings(const TraySettings&) = delete;
    TraySettings& operator=(const TraySettings&) = delete;

    int count() const { return static_cast<int>(icons_.size()); }
    TrayIcon& icon(int id) { return *icons_[static_cast<size_t>(id)]; }
    int menuAutoHide() const { return menuAutoHide_; }
    HWND window() const { return window_; }
    DayTimer& dayTimer() { return dayTimer_; }

    // The day timer fired or the system clock changed: calendar icons show
    // today's face and the timer is aimed at the next change.
    void DayTick();

    // The notification area was made anew (the shell restarted, or came up
    // after the resident): the icons are added to it again.
    void ShowAgain();

private:
    HWND window_;
    DayTimer dayTimer_;
    std::vector<std::unique_ptr<TrayIcon>> icons_;
    int menuAutoHide_ = 0;
};

}  // namespace resident
