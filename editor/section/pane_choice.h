#pragma once
// Which right pane a chosen node of the menu tree asks for.
#include <cstdint>
#include "editor/section/entry_path.h"

namespace editor {

// The classes of right pane, one per node kind that has a pane of its own.
enum class PaneClass {
    Unchanged,  // a kind without a pane: the shown one stays
    List,
    TrayOptions,
    LeftMenuOptions,
    RightMenuOptions,
    ShortcutItem,
    FileItem,
    Group,
    Separator,
    Title,
};

// From UM_SHOW_FORM's word: the node kind in the low word, 1 in the high
// word for a command item whose path is a shortcut.
PaneClass PaneFor(uintptr_t showFormWord);

// The node a pane shows: the tab's side (kOptionsTab on the options tab)
// and the entry's path (empty for the roots and the option nodes).
struct PaneSubject {
    int side;
    EntryPath path;
};

}  // namespace editor
