#pragma once
// The record behind every owner-drawn entry of the resident's menus (the
// item data of the entry). It starts with a magic word so that entries
// whose data is not such a record are left alone.
#include <windows.h>
#include <cstdint>
#include <string>

namespace resident {

constexpr uint32_t kMenuItemMagic = 0x3264696D;  // "mid2" in memory order

enum MenuItemKind : int {
    KIND_COMMAND = 0,
    KIND_TITLE = 2,
    KIND_SUBMENU = 16,  // popup, folder and settings submenus
    KIND_SEPARATOR = 0x800,
};

struct MenuItemData {
    uint32_t magic = kMenuItemMagic;
    std::string text;
    int kind = KIND_COMMAND;
    int image = -1;  // entry of the menu's icon store, or -1 for none
    COLORREF textColor = 0;        // titles only
    COLORREF backgroundColor = 0;  // titles only
    const void* owner = nullptr;   // the menu object that made it
};

}  // namespace resident
