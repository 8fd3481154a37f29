#include "menu_fixture.h"

#include "resident/app.h"
#include "resident/tray/tray_popup.h"
#include "tests/host/menufile/menufile_test_support.h"

namespace menus_test {

void PrepareApp()
{
    resident::App& app = resident::TheApp();
    if (app.instance)
        return;
    app.instance = GetModuleHandleA(nullptr);
    LoadStringA(app.instance, 103, app.productCaption, sizeof app.productCaption);
    resident::AttachSystemImageLists(app);
}

const resident::MenuContext& Context()
{
    PrepareApp();
    static const resident::MenuContext context = resident::ResidentMenuContext(nullptr);
    return context;
}

OwnerWindow::OwnerWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "OmbrixMenuTestOwner";
        RegisterClassA(&windowClass);
        registered = true;
    }
    window_ = CreateWindowExA(0, "OmbrixMenuTestOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

OwnerWindow::~OwnerWindow()
{
    if (IsWindow(window_))
        DestroyWindow(window_);
}

using menufile_test::Entry;

menufile::MenuEntry Command(const std::string& path, const std::string& description,
                            const std::string& parameters)
{
    return Entry(0, path, description, parameters);
}

menufile::MenuEntry Title(const std::string& text, const std::string& colours)
{
    return Entry(menufile::ITEM_STATIC, text, "", colours);
}

menufile::MenuEntry Separator(const std::string& caption)
{
    return Entry(menufile::ITEM_SEPARATOR, caption);
}

menufile::MenuEntry Popup(const std::string& text, std::vector<menufile::MenuEntry> submenu)
{
    menufile::MenuEntry entry = menufile_test::Popup(text, "", 0);
    entry.submenu->entries = std::move(submenu);
    return entry;
}

ItemInfo ItemAt(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
    ItemInfo item;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info))
        return item;
    item.id = info.wID;
    item.type = info.fType;
    item.submenu = info.hSubMenu;
    auto* data = reinterpret_cast<const resident::MenuItemData*>(info.dwItemData);
    if ((info.fType & MFT_OWNERDRAW) && data && data->magic == resident::kMenuItemMagic)
        item.data = data;
    return item;
}

}  // namespace menus_test
