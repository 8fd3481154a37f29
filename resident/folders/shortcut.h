#pragma once
// Reading shortcut files for the folder menus: as win32::ReadShortcut, and a
// field that cannot be read is told to the user in a box over the menus'
// owner window. A shortcut that cannot be loaded fails silently.
#include "resident/menus/menu_context.h"
#include "win32/shortcut_reader.h"

namespace resident {

bool ReadShortcut(const MenuContext& context, const std::string& path, win32::ShortcutData& data);
// The list belongs to the caller.
win32::UniqueItemIdList ReadShortcutIdList(const MenuContext& context, const std::string& path);

}  // namespace resident
