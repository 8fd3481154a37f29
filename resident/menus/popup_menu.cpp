#include "resident/menus/popup_menu.h"

#include "resident/menus/folder_menu_source.h"
#include "resident/menus/menu_window_hook.h"

namespace resident {

PopupMenu::PopupMenu(const MenuContext& context, const menufile::MenuList& list, int options, int width,
                     EntryIds& ids, FolderMenuSource* folders)
    : context_(context), folders_(folders), root_(std::make_unique<OwnerDrawMenu>(context, options, width))
{
    root_->Attach(CreatePopupMenu());
    if (folders_)
        folders_->Prepare(context, options, width);
    MenuBuilder(ids, created_, folders_).Build(list, *root_);
    // Folder entries go on counting after the entries of the file.
    if (folders_)
        folders_->SetIdSource(&ids);
}

PopupMenu::~PopupMenu()
{
    for (auto& submenu : created_)
        submenu.reset();
    // Folder launch strings name their entries, so these go after the
    // chosen entry was started, which the caller did before.
    if (folders_)
        folders_->Clear();
    root_.reset();
}

UINT PopupMenu::Track(POINT at, DWORD autoHideMs)
{
    HWND owner = context_.owner;
    MenuWindowHook hook(owner, autoHideMs, folders_, context_.trayMessage);
    // The owner must be in the foreground, or the menu does not close when
    // the user clicks elsewhere.
    SetForegroundWindow(owner);
    SetActiveWindow(owner);
    return static_cast<UINT>(TrackPopupMenu(root_->handle(), TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
}

}  // namespace resident
