#pragma once
// Turns a MenuList into a tree of owner-drawn popup menus: command ids in
// file order, depth first, from the popup's EntryIds.
#include <memory>
#include <vector>
#include "menufile/menu_model.h"
#include "resident/menus/entry_ids.h"
#include "resident/menus/owner_draw_menu.h"
#include "resident/menus/menu_pictures.h"
#include "resident/menus/shell_item.h"

namespace resident {

class FolderMenuSource;

// The submenus made for one popup, destroyed in list order when it closes.
using CreatedMenus = std::vector<std::unique_ptr<OwnerDrawMenu>>;

class MenuBuilder {
public:
    // folders may be null: SHOWFOLDER submenus then stay empty.
    MenuBuilder(EntryIds& ids, CreatedMenus& created, FolderMenuSource* folders);

    // Appends the entries of list to menu, popups with their whole subtree.
    // Returns the number of entries of list processed. Nesting of any depth
    // is walked without recursion.
    int Build(const menufile::MenuList& list, OwnerDrawMenu& menu);

    // One command item with the next id; disabled when no id is left. A
    // deferred picture is looked up when the entry is drawn.
    void AppendCommand(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, const DeferredIndex& deferred = {});
    // A popup entry whose submenu is given.
    void AppendPopup(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, HMENU submenu,
                     const DeferredIndex& deferred = {});

    ShellItemLookup& shell() { return shell_; }

private:
    // Returns the new submenu's object when the entry is a popup whose
    // entries are to be built next.
    OwnerDrawMenu* AppendEntry(OwnerDrawMenu& menu, const menufile::MenuEntry& entry);
    OwnerDrawMenu* AppendNewPopup(OwnerDrawMenu& menu, const menufile::MenuEntry& entry);
    void AppendFolder(OwnerDrawMenu& menu, const menufile::MenuEntry& entry);
    void AppendSeparator(OwnerDrawMenu& menu, const menufile::MenuEntry& entry);
    void AppendTitle(OwnerDrawMenu& menu, const menufile::MenuEntry& entry);
    std::unique_ptr<OwnerDrawMenu> NewSubmenu(const OwnerDrawMenu& like);

    EntryIds& ids_;
    CreatedMenus& created_;
    FolderMenuSource* folders_;
    ShellItemLookup shell_;
};

// The record of an entry of an owner-drawn menu.
MenuItemData EntryRecord(int kind, std::string text, int image);
// The picture maker of a menu, for the program of its context.
PictureMaker PicturesOf(OwnerDrawMenu& menu);

}  // namespace resident
