#pragma once
// Which form a chosen node of the menu tree is shown in.
#include "editor/section/node_kind.h"

namespace editor {

enum class FormKind {
    None,  // the roots and unknown kinds: the item list
    TrayOptions,
    LeftMenuOptions,
    RightMenuOptions,
    ShortcutItem,
    FileItem,
    Group,
    Separator,
    Title,
};

// shortcut: a command item whose path is a shell link.
FormKind FormKindOf(NodeKind kind, bool shortcut);

}  // namespace editor
