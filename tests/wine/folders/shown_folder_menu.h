#pragma once
// A folder menu shown as a popup of its own, as the tray shows its menus:
// the menu hook fills it when it opens and draws its entries. A probe in
// front of the hook notes when the menu opened and when the menu's loop
// first ran dry, by which time everything on screen is drawn; then the
// caller's action runs (by default the menu closes).
#include <windows.h>
#include <functional>
#include "resident/menus/folder_menu_source.h"

namespace folders_test {

struct ShownMenu {
    double openedMs = 0;   // WM_INITMENUPOPUP of the menu
    double paintedMs = 0;  // the first WM_ENTERIDLE after it
    int drawnItems = 0;    // WM_DRAWITEM messages until then
    int chosen = 0;        // what TrackPopupMenu returned
};

double NowMs();

using FirstPaintAction = std::function<void(const ShownMenu&)>;
ShownMenu ShowFolderMenu(HWND owner, HMENU menu, resident::FolderMenuSource& folders,
                         FirstPaintAction atFirstPaint = {});

}  // namespace folders_test
