#pragma once
// What the menu tests share: the resident's process state pointed at the
// test executable (which carries the resident's resources), a hidden owner
// window, and small model builders.
#include <windows.h>
#include <string>
#include <vector>
#include "menufile/menu_model.h"
#include "resident/menus/menu_context.h"
#include "resident/menus/menu_item_data.h"
#include "tests/support/test_support.h"

namespace menus_test {

// Fills the process state once: instance, caption, system image lists.
void PrepareApp();
// The resident's menu context after PrepareApp, made once.
const resident::MenuContext& Context();

using namespace testing_support;

// A hidden top-level window with DefWindowProc behaviour.
class OwnerWindow {
public:
    OwnerWindow();
    ~OwnerWindow();
    HWND get() const { return window_; }

private:
    HWND window_;
};

menufile::MenuEntry Command(const std::string& path, const std::string& description = "",
                            const std::string& parameters = "");
menufile::MenuEntry Title(const std::string& text, const std::string& colours);
menufile::MenuEntry Separator(const std::string& caption = "");
menufile::MenuEntry Popup(const std::string& text, std::vector<menufile::MenuEntry> submenu = {});

struct ItemInfo {
    UINT id = 0;
    UINT type = 0;
    HMENU submenu = nullptr;
    const resident::MenuItemData* data = nullptr;
};
ItemInfo ItemAt(HMENU menu, int position);

}  // namespace menus_test
