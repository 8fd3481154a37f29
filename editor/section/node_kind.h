#pragma once
// What a node of the menu tree stands for. The number is also what the
// section window is told to show (UM_SHOW_FORM) and, for the roots and the
// option nodes, the node's image.
#include "menufile/menu_model.h"

namespace editor {

// The options tab; 0 and 1 (kLeft, kRight) are the sides' tabs.
inline constexpr int kOptionsTab = -1;

enum NodeKind : int {
    kLeftRootNode = 0,
    kOptionsRootNode = 1,
    kTrayOptionsNode = 2,
    kRightOptionsNode = 4,
    kLeftOptionsNode = 5,
    kCommandNode = 7,
    kGroupNode = 8,
    kSeparatorNode = 9,
    kTitleNode = 11,
    kRightRootNode = 13,
};

// A file may set several kind bits on one line: a group wins over a title,
// a title over a separator, as the menus the resident builds.
NodeKind KindOf(const menufile::MenuEntry& entry);

}  // namespace editor
