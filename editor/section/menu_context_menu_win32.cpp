// The tree's context menus: "poptree" on a node, "poptree-out" beside the
// nodes, none on the options tab; their items enabled as the commands are.
#include "editor/section/menu_pane.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

// Takes one popup out of the menu resource; the rest is destroyed.
win32::UniqueMenu LoadPopup(HINSTANCE instance, int position)
{
    win32::UniqueMenu menus(LoadMenuA(instance, MAKEINTRESOURCEA(IDR_CONTEXT_MENUS)));
    HMENU popup = menus ? GetSubMenu(menus.get(), position) : nullptr;
    if (!popup || !RemoveMenu(menus.get(), position, MF_BYPOSITION))
        return {};
    return win32::UniqueMenu(popup);
}

}  // namespace

win32::UniqueMenu MenuPane::ContextMenu(bool onNode)
{
    if (side_ == kOptionsTab)
        return {};
    win32::UniqueMenu popup = LoadPopup(instance_, onNode ? CONTEXT_TREE : CONTEXT_TREE_OUTSIDE);
    if (popup)
        EnableItems(popup.get());
    return popup;
}

void MenuPane::EnableItems(HMENU menu)
{
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        if (HMENU submenu = GetSubMenu(menu, position)) {
            EnableItems(submenu);
            continue;
        }
        UINT id = GetMenuItemID(menu, position);
        win32::CommandState state;
        bool enabled = id != 0 && QueryCommand(static_cast<int>(id), state) && state.enabled;
        EnableMenuItem(menu, position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

// A right click on a node selects it first. The frame owns the menu and
// sends the chosen command on to the active window, this pane's.
void MenuPane::ShowContextMenu()
{
    POINT cursor;
    GetCursorPos(&cursor);
    TVHITTESTINFO hit = {};
    hit.pt = cursor;
    ScreenToClient(tree_.handle(), &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree_.handle(), &hit);
    bool onNode = item && (hit.flags & TVHT_ONITEM);
    if (onNode)
        TreeView_SelectItem(tree_.handle(), item);
    win32::UniqueMenu popup = ContextMenu(onNode);
    if (popup)
        TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                       GetAncestor(handle(), GA_ROOT), nullptr);
}

}  // namespace editor
