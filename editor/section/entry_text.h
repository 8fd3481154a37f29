#pragma once
// The text a menu entry shows in the editor's panes.
#include <windows.h>
#include <string>
#include "menufile/menu_model.h"

namespace editor {

// The description; for a command item without one the shell's name of its
// path, and when the shell knows none either, "ファイルが見つかりません".
std::string EntryDisplayText(HINSTANCE instance, const menufile::MenuEntry& entry);

}  // namespace editor
