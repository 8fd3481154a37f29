#include "editor/section/test_display.h"

#include "editor/command_text.h"
#include "resident/folders/display_popup.h"
#include "resources/editor/resource_ids.h"
#include "win32/system_image_lists.h"

namespace editor {

void ShowTestDisplay(HINSTANCE instance, HWND owner, const Section& section, Side side)
{
    const EditMenuFile* menu = section.menu(side);
    std::string caption = LoadText(instance, IDS_APP_TITLE);
    if (!menu || !menu->root() || menu->root()->entries.empty()) {
        std::string text = LoadText(instance, IDS_EMPTY_MENU);
        MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK);
        return;
    }
    win32::SystemImageLists lists = win32::AttachSystemImageLists();
    resident::MenuContext context{instance,         owner, caption, lists.largeIcons, lists.smallIcons,
                                  LoadText(instance, IDS_FILE_NOT_FOUND), 0};
    const MenuSideValues& values = section.values().menus[side];
    POINT cursor;
    GetCursorPos(&cursor);
    resident::ShowDisplayPopup(context, *menu->root(), values.options, values.width, cursor);
}

}  // namespace editor
