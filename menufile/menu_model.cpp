#include "menufile/menu_model.h"

#include <utility>

namespace menufile {

MenuList::~MenuList()
{
    // Move every submenu below this list onto one explicit stack, emptying
    // each before it is destroyed, so no destructor recurses.
    std::vector<std::unique_ptr<MenuList>> pending;
    for (MenuEntry& entry : entries) {
        if (entry.submenu)
            pending.push_back(std::move(entry.submenu));
    }
    while (!pending.empty()) {
        std::unique_ptr<MenuList> list = std::move(pending.back());
        pending.pop_back();
        for (MenuEntry& entry : list->entries) {
            if (entry.submenu)
                pending.push_back(std::move(entry.submenu));
        }
    }
}

}  // namespace menufile
