#pragma once
// The hook that the main window carries while a tray menu is open: routes
// the owner messages of the owner-drawn entries to their menu objects, lets
// folder submenus fill themselves when they open, answers mnemonic keys,
// and closes a menu left alone for the auto-hide time.
#include <windows.h>
#include "resident/menus/window_hook.h"

namespace resident {

class FolderMenuSource;
class MenuHandle;
class MenuRegistry;

class MenuWindowHook : public WindowHook {
public:
    enum State { NoPopupYet = 0, PopupOpened = 1, UserTouched = 3 };

    // Installs itself on window; autoHideMs 0 never closes the menu.
    // trayMessage: the program's tray click, which closes a menu the user
    // works in; 0 for none.
    MenuWindowHook(HWND window, DWORD autoHideMs, FolderMenuSource* folders, UINT trayMessage = 0);
    MenuWindowHook(HWND window, DWORD autoHideMs, FolderMenuSource* folders, UINT trayMessage,
                   MenuRegistry& registry);
    ~MenuWindowHook() override;

    State state() const { return state_; }
    bool timerRunning() const { return timer_ != 0; }
    // The auto-hide check period for an auto-hide time.
    static UINT TimerPeriod(DWORD autoHideMs);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    void StartTimer();
    void CheckIdle();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);

    MenuRegistry& registry_;
    FolderMenuSource* folders_;
    DWORD autoHideMs_;
    UINT trayMessage_;
    MenuHandle* currentMenu_ = nullptr;
    UINT_PTR timer_ = 0;
    DWORD lastActivity_;
    State state_ = NoPopupYet;
};

// WM_MENUCHAR for owner-drawn entries: the result for the typed character
// c in menu (MNC_IGNORE, MNC_EXECUTE or MNC_SELECT with the position).
LRESULT MenuCharResult(HMENU menu, int c, MenuRegistry& registry);

}  // namespace resident
