#pragma once
// One popup of owner-drawn menus from building to teardown: the tree of a
// MenuList with its folder menus, tracked with the menu window hook on the
// context's owner window, then destroyed in the order the folder entries
// need (POPUP submenus in list order, the folder menus, the root).
#include <windows.h>
#include <memory>
#include "menufile/menu_model.h"
#include "resident/menus/entry_ids.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_context.h"

namespace resident {

class FolderMenuSource;

class PopupMenu {
public:
    // Builds the popup of list with the menu options and width. The
    // context, ids and folders must outlive it; folders may be null, and
    // SHOWFOLDER submenus then stay empty.
    PopupMenu(const MenuContext& context, const menufile::MenuList& list, int options, int width, EntryIds& ids,
              FolderMenuSource* folders);
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    OwnerDrawMenu& root() { return *root_; }
    const CreatedMenus& created() const { return created_; }

    // Shows the popup at the point and returns the chosen id, 0 for none.
    // autoHideMs 0 never closes it by itself.
    UINT Track(POINT at, DWORD autoHideMs);

private:
    const MenuContext& context_;
    FolderMenuSource* folders_;
    std::unique_ptr<OwnerDrawMenu> root_;
    CreatedMenus created_;
};

}  // namespace resident
