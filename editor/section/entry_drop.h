#pragma once
// Entries handed to a section window's menu tree from another window of the
// editor (the services browser), through UM_DROP_ENTRIES to the tree's pane.
#include <windows.h>
#include <vector>
#include "menufile/menu_model.h"

namespace editor {

struct EntryDrop {
    POINT screen;  // where the button was let go
    std::vector<menufile::MenuEntry> entries;
};

// Whether the window is a menu tree whose pane takes entries now (a menu
// tab is shown).
bool TakesEntries(HWND window);
// The entries put in after the node under the point as one step of the
// section's history; false when nothing was put in.
bool DropEntries(HWND tree, EntryDrop& drop);

}  // namespace editor
