#pragma once
// Where the icon chooser starts for a menu entry, best first: its own icon;
// else what its path shows: a shortcut's stored icon (then its target's),
// the file's own icons, the icon registered for a document's type, the
// program of that type's command. The chooser takes the first that holds
// the icon; without any it starts on the newest file of its history.
#include <windows.h>
#include <vector>
#include "menufile/menu_model.h"
#include "shellfiles/icon_location.h"

namespace editor {

std::vector<shellfiles::IconLocation> IconStarts(HWND owner, const menufile::MenuEntry& entry);

}  // namespace editor
