#pragma once
// The resident's reading of shortcut files: as win32::ReadShortcut, and a
// field that cannot be read is told to the user in a box over the main
// window. A shortcut that cannot be loaded fails silently.
#include "win32/shortcut_reader.h"

namespace resident {

bool ReadShortcut(HWND owner, const std::string& path, win32::ShortcutData& data);
// The list belongs to the caller.
win32::UniqueItemIdList ReadShortcutIdList(HWND owner, const std::string& path);

}  // namespace resident
