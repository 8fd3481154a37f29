#pragma once
#include <string>
#include "resident/folders/folder_entry.h"
#include "resident/menus/menu_context.h"

namespace resident {

class ShellItemLookup;

// The folder that a SHOWFOLDER path shows: a special folder, the target of a
// shortcut (a folder path, a special folder or another folder's item id
// list), or the path itself when it is a folder. False when it names no
// folder; the submenu then stays empty. A shortcut that cannot be read is
// told in a box of the context.
bool ResolveFolder(const std::string& path, ShellItemLookup& shell, const MenuContext& context,
                   ResolvedFolder& folder);

}  // namespace resident
