#pragma once
// A menu shown for display only, as the resident will show it (the editor's
// test display): every entry carries kDisplayOnlyId, folder submenus fill
// from the shell as they open, and choosing an entry does nothing.
#include <windows.h>
#include "menufile/menu_model.h"
#include "resident/menus/menu_context.h"

namespace resident {

// Shows the popup of list at the point on the context's owner window until
// it closes; returns the id the menu reported (kDisplayOnlyId or 0).
UINT ShowDisplayPopup(const MenuContext& context, const menufile::MenuList& list, int options, int width,
                      POINT at);

}  // namespace resident
