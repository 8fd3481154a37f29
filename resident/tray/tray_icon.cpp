#include "resident/tray/tray_icon.h"

#include <shellapi.h>
#include <cstring>
#include "resident/app.h"
#include "resident/tray/tray_settings.h"
#include "resources/resident/resource_ids.h"
#include "win32/file_icon.h"
#include "settings/keys.h"
#include "shiftjis/shift_jis.h"

namespace resident {

namespace {
// The first layout of NOTIFYICONDATA: window, id, flags, callback message,
// icon and a 64-byte tip; every shell since the first one accepts it.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(kNotifyIconDataSize == 88, "first NOTIFYICONDATA layout");

constexpr int kTrayIconSize = 16;

win32::UniqueIcon LoadIconResource(int id)
{
    return win32::UniqueIcon(static_cast<HICON>(LoadImageA(TheApp().instance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                           kTrayIconSize, kTrayIconSize, 0)));
}

int DayOfMonth()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wDay;
}
}  // namespace

std::string TipText(const std::string& description)
{
    return shiftjis::CutOnCharacterBoundary(description, kTipLength);
}

TrayIcon::TrayIcon(TraySettings& owner, int id, const settings::TraySection& section)
    : owner_(owner),
      id_(id),
      flags_(section.flags),
      description_(section.description),
      pressedIconFile_(section.pressedIconFile),
      normalIconFile_(section.normalIconFile),
      pressedIconNumber_(section.pressedIconNumber),
      normalIconNumber_(section.normalIconNumber),
      leftMenu_(section.left.path, section.left.width, section.left.options),
      rightMenu_(section.right.path, section.right.width, section.right.options)
{
    Update(NIM_ADD, false);
}

TrayIcon::~TrayIcon()
{
    Update(NIM_DELETE, false);
    launchMap_.Clear();
}

bool TrayIcon::ShowsDay() const
{
    return (flags_ & settings::FLAG_DAY_OF_MONTH) != 0;
}

bool TrayIcon::IsLast() const
{
    return id_ == owner_.count() - 1;
}

win32::UniqueIcon TrayIcon::FileIcon(bool pressed) const
{
    const std::string& file = pressed ? pressedIconFile_ : normalIconFile_;
    int number = pressed ? pressedIconNumber_ : normalIconNumber_;
    return win32::ExtractFileIcon(file, number, win32::IconSize::Small);
}

bool TrayIcon::HasPressedLook() const
{
    return (flags_ & settings::FLAG_NO_PRESSED_ICON) == 0;
}

win32::UniqueIcon TrayIcon::Face(bool pressed) const
{
    if (pressed && !HasPressedLook())
        return {};
    if (ShowsDay())
        return LoadIconResource(IDI_DAY_BASE + DayOfMonth());
    win32::UniqueIcon icon = FileIcon(pressed);
    if (!icon)
        icon = LoadIconResource(pressed ? IDI_TRAY_PRESSED : IDI_TRAY_NORMAL);
    return icon;
}

bool TrayIcon::Update(DWORD operation, bool pressed)
{
    if (operation == NIM_DELETE)
        owner_.dayTimer().Stop();
    if (operation != NIM_DELETE && pressed && !HasPressedLook())
        return false;
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataSize;
    data.hWnd = owner_.window();
    data.uID = static_cast<UINT>(id_);
    data.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    data.uFlags = operation == NIM_ADD ? NIF_MESSAGE | NIF_ICON | NIF_TIP : operation == NIM_MODIFY ? NIF_ICON : 0;
    // The shell copies the icon: ours is destroyed when this returns.
    win32::UniqueIcon icon;
    if (data.uFlags & NIF_ICON) {
        icon = Face(pressed);
        if (ShowsDay() && operation == NIM_ADD)
            owner_.dayTimer().Start();
        data.hIcon = icon.get();
    }
    std::string tip = TipText(description_);
    memcpy(data.szTip, tip.c_str(), tip.size() + 1);
    return Shell_NotifyIconA(operation, &data) != FALSE;
}

void TrayIcon::OnEvent(UINT message)
{
    switch (message) {
    case WM_TIMER:
        if (ShowsDay())
            Update(NIM_MODIFY, false);
        break;
    case WM_LBUTTONDOWN:
        Update(NIM_MODIFY, true);
        ShowMenu(Side::Left);
        Update(NIM_MODIFY, false);
        break;
    case WM_RBUTTONDOWN:
        ShowMenu(Side::Right);
        Update(NIM_MODIFY, false);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        Update(NIM_MODIFY, false);
        break;
    }
}

}  // namespace resident
