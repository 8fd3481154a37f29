#pragma once
// What the popup builder and the menu window hook need from the folder
// menus: SHOWFOLDER submenus are registered while a popup is built and
// filled from the shell when they open. The builder and the hook hold a
// pointer that may be null, in which case folder submenus stay empty.
#include <windows.h>
#include <memory>
#include <string>

namespace resident {

class EntryIds;
class OwnerDrawMenu;
struct MenuContext;

class FolderMenuSource {
public:
    virtual ~FolderMenuSource() = default;

    // Before a popup is built: every folder submenu of it uses these. The
    // context stays valid until Clear().
    virtual void Prepare(const MenuContext& context, int menuOptions, int menuWidth) = 0;

    // Resolves path as a folder. When it resolves, takes the (still empty)
    // submenu and returns true; otherwise leaves it with the caller, who
    // keeps it alive as an empty submenu and destroys it with the popup.
    virtual bool Register(std::unique_ptr<OwnerDrawMenu>& submenu, const std::string& path,
                          int maximumDepth) = 0;

    // After the static entries are built: folder entries take their ids
    // from there on. It stays valid until Clear().
    virtual void SetIdSource(EntryIds* ids) = 0;

    // A popup is opening (WM_INITMENUPOPUP): fills it if it is a registered
    // folder menu that is still empty. Returns its number of items.
    virtual int MenuOpened(HMENU menu) = 0;

    // After the popup closed and the chosen entry was launched: destroys
    // every folder submenu and the entries behind the launch strings.
    virtual void Clear() = 0;
};

}  // namespace resident
