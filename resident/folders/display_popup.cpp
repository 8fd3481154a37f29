#include "resident/folders/display_popup.h"

#include "resident/folders/folder_registry.h"
#include "resident/menus/popup_menu.h"

namespace resident {

UINT ShowDisplayPopup(const MenuContext& context, const menufile::MenuList& list, int options, int width,
                      POINT at)
{
    EntryIds ids = EntryIds::DisplayOnly();
    FolderRegistry folders;
    PopupMenu popup(context, list, options, width, ids, &folders);
    return popup.Track(at, 0);
}

}  // namespace resident
