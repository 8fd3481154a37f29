#pragma once
// Items of a tree-view control.
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace win32 {

// Appends an item under parent (TVI_ROOT for the top) with the same image
// selected or not; null when the control refused.
HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, const std::string& text, int image, LPARAM data = 0);

}  // namespace win32
