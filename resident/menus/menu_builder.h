#pragma once
// Turns a tray icon's MenuList into a tree of owner-drawn popup menus:
// command ids from the counter in file order, depth first, each with its
// launch string in the launch map.
#include <memory>
#include <vector>
#include "menufile/menu_model.h"
#include "resident/menus/owner_draw_menu.h"
#include "resident/menus/shell_item.h"

namespace resident {

class FolderMenuSource;
class LaunchMap;

constexpr int kFirstCommandId = 2000;
constexpr int kLastLaunchedId = 4000;

// The submenus made for one popup, destroyed in list order when it closes.
using CreatedMenus = std::vector<std::unique_ptr<OwnerDrawMenu>>;

class MenuBuilder {
public:
    // folders may be null: SHOWFOLDER submenus then stay empty.
    MenuBuilder(LaunchMap& launchMap, CreatedMenus& created, FolderMenuSource* folders, int firstId = kFirstCommandId);

    // Appends the entries of list to menu, popups with their whole subtree.
    // Returns the number of entries of list processed. Nesting of any depth
    // is walked without recursion.
    int Build(const menufile::MenuList& list, OwnerDrawMenu& menu);

    // One command item: takes the next id and puts its launch string in the
    // launch map. A deferred picture is looked up when the entry is drawn.
    void AppendCommand(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, const DeferredIndex& deferred = {});
    // A popup entry whose submenu is given.
    void AppendPopup(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, HMENU submenu,
                     const DeferredIndex& deferred = {});

    int nextId() const { return nextId_; }
    int* nextIdSlot() { return &nextId_; }
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

    LaunchMap& launchMap_;
    CreatedMenus& created_;
    FolderMenuSource* folders_;
    int nextId_;
    ShellItemLookup shell_;
};

// Title colours from the parameters "/%d/%lu/%d/%lu"; missing values give
// the menu's own text and background colours.
struct TitleColours {
    COLORREF text;
    COLORREF background;
};
TitleColours ParseTitleColours(const std::string& parameters);

// The settings submenu on the right menu of the last tray icon: a plain
// separator, then the product caption with submenu 1 of the resident's menu
// resource.
void AppendSettingsSubmenu(OwnerDrawMenu& root);

}  // namespace resident
