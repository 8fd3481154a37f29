#include "resident/menus/menu_window_hook.h"

#include "resident/menus/folder_menu_source.h"
#include "resident/menus/menu_registry.h"
#include "resident/menus/menu_text.h"

#include <vector>

namespace resident {

namespace {

// The hook whose menu is open; the auto-hide timer is a thread timer and
// finds it here.
MenuWindowHook* activeHook = nullptr;

bool IsUserActivity(UINT message)
{
    // WM_ENTERIDLE comes each time the menu's loop runs dry, the timer's
    // own tick among the causes: counting it would keep an idle menu open.
    return message < WM_USER && message != WM_TIMER && message != WM_ENTERIDLE;
}

}  // namespace

MenuWindowHook::MenuWindowHook(HWND window, DWORD autoHideMs, FolderMenuSource* folders, UINT trayMessage)
    : MenuWindowHook(window, autoHideMs, folders, trayMessage, TheMenuRegistry())
{
}

MenuWindowHook::MenuWindowHook(HWND window, DWORD autoHideMs, FolderMenuSource* folders, UINT trayMessage,
                               MenuRegistry& registry)
    : registry_(registry),
      folders_(folders),
      autoHideMs_(autoHideMs),
      trayMessage_(trayMessage),
      lastActivity_(GetTickCount())
{
    activeHook = this;
    Install(window);
}

MenuWindowHook::~MenuWindowHook()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    timer_ = 0;
    if (activeHook == this)
        activeHook = nullptr;
    Remove();
    registry_.DropTemporaryWrappers();
}

UINT MenuWindowHook::TimerPeriod(DWORD autoHideMs)
{
    return autoHideMs <= 600 ? 300 : autoHideMs / 2;
}

LRESULT MenuWindowHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsUserActivity(message))
        lastActivity_ = GetTickCount();
    switch (message) {
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_INITMENUPOPUP:
        return OnInitMenuPopup(wParam, lParam);
    case WM_MENUSELECT:
        state_ = UserTouched;
        break;
    case WM_MENUCHAR:
        return MenuCharResult(reinterpret_cast<HMENU>(lParam), LOWORD(wParam), registry_);
    }
    // A click on a tray icon while the user works in the menu closes it;
    // the click itself is then handled as usual.
    if (message == trayMessage_ && trayMessage_ != 0 && autoHideMs_ != 0 && state_ == UserTouched)
        SendMessageA(window(), WM_CANCELMODE, 0, 0);
    return Default(message, wParam, lParam);
}

LRESULT MenuWindowHook::OnDrawItem(WPARAM wParam, LPARAM lParam)
{
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlType != ODT_MENU)
        return Default(WM_DRAWITEM, wParam, lParam);
    registry_.Find(reinterpret_cast<HMENU>(item.hwndItem)).DrawItem(item);
    if (item.itemState & ODS_SELECTED)
        state_ = UserTouched;
    return 1;
}

LRESULT MenuWindowHook::OnMeasureItem(WPARAM wParam, LPARAM lParam)
{
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item.CtlType != ODT_MENU)
        return Default(WM_MEASUREITEM, wParam, lParam);
    if (currentMenu_)
        currentMenu_->MeasureItem(item);
    return 1;
}

LRESULT MenuWindowHook::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    HMENU popup = reinterpret_cast<HMENU>(wParam);
    currentMenu_ = &registry_.Find(popup);
    lastActivity_ = GetTickCount();
    if (state_ == NoPopupYet)
        state_ = PopupOpened;
    if (!timer_ && autoHideMs_ > 0)
        StartTimer();
    if (folders_)
        folders_->MenuOpened(popup);
    return Default(WM_INITMENUPOPUP, wParam, lParam);
}

void MenuWindowHook::StartTimer()
{
    // Failing leaves no timer: the menu then never hides by itself.
    timer_ = SetTimer(nullptr, 0, TimerPeriod(autoHideMs_), &TimerProc);
}

void MenuWindowHook::CheckIdle()
{
    if (state_ != NoPopupYet && autoHideMs_ > 0 && GetTickCount() - lastActivity_ > autoHideMs_)
        SendMessageA(window(), WM_CANCELMODE, 0, 0);
}

void CALLBACK MenuWindowHook::TimerProc(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (activeHook && activeHook->timer_ == timer)
        activeHook->CheckIdle();
}

LRESULT MenuCharResult(HMENU menu, int c, MenuRegistry& registry)
{
    MenuHandle* object = registry.Lookup(menu);
    int count = GetMenuItemCount(menu);
    int highlighted = -1;
    std::vector<int> matches;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_TYPE | MIIM_DATA;
        if (!GetMenuItemInfoA(menu, position, TRUE, &info))
            continue;
        if (info.fState & MFS_HILITE)
            highlighted = position;
        if (!(info.fType & MFT_OWNERDRAW) || !object)
            continue;
        const char* text = object->ItemText(info.dwItemData);
        if (text && SameMnemonic(MnemonicOf(text), c))
            matches.push_back(position);
    }
    if (matches.empty())
        return MNC_IGNORE;
    if (matches.size() == 1)
        return MAKELRESULT(matches.front(), MNC_EXECUTE);
    int chosen = matches.front();
    for (int position : matches) {
        if (highlighted >= 0 && position > highlighted) {
            chosen = position;
            break;
        }
    }
    return MAKELRESULT(chosen, MNC_SELECT);
}

}  // namespace resident
