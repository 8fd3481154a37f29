#include "resident/tray/tray_settings.h"

#include <shellapi.h>
#include <algorithm>
#include "settings/defaults.h"
#include "settings/ini_file.h"
#include "settings/keys.h"

namespace resident {

TraySettings::TraySettings(HWND window, const settings::IniFile& file, const std::string& poolPath)
    : window_(window), dayTimer_(window)
{
    // A negative count is as good as none.
    int count = file.ReadInt(settings::kMainSection, settings::kTrayNo, 0);
    count = std::min(count, settings::kMaxTrayIcons);
    for (int id = 0; id < count; ++id) {
        settings::TraySection section = settings::ReadTraySection(file, id + 1, poolPath);
        icons_.push_back(std::make_unique<TrayIcon>(*this, id, section));
    }
    menuAutoHide_ = file.ReadInt(settings::kMainSection, settings::kMenuAutoHide, 0);
}

TraySettings::~TraySettings()
{
    for (auto& icon : icons_)
        icon.reset();
}

void TraySettings::DayTick()
{
    dayTimer_.Stop();
    bool anyDayIcon = false;
    for (auto& icon : icons_) {
        icon->OnEvent(WM_TIMER);
        anyDayIcon = anyDayIcon || icon->ShowsDay();
    }
    if (anyDayIcon)
        dayTimer_.Start();
}

void TraySettings::ShowAgain()
{
    for (auto& icon : icons_)
        icon->Update(NIM_ADD, false);
}

}  // namespace resident
