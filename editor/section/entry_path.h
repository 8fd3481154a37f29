#pragma once
// Where an entry sits in a menu: the index in the root list, then the index
// in each group's submenu down to it. The panes keep paths, never pointers
// into the model's lists, because every insert or removal moves entries.
#include <cstddef>
#include <vector>
#include "menufile/menu_model.h"

namespace editor {

using EntryPath = std::vector<size_t>;

// The list that holds the entry at path (the root for a path of one index),
// or nullptr when a step of the path is not a group with a submenu.
menufile::MenuList* ParentList(menufile::MenuList& root, const EntryPath& path);
// The entry at path, or nullptr when the path leads nowhere.
menufile::MenuEntry* EntryAt(menufile::MenuList& root, const EntryPath& path);
// Whether ancestor is a proper prefix of path (the entry at path lies
// inside the group at ancestor).
bool IsInside(const EntryPath& path, const EntryPath& ancestor);

}  // namespace editor
