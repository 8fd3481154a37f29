#include "menu_fixture.h"

#include <map>
#include "resident/app.h"
#include "resident/tray/tray_popup.h"

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

void PressKey(HWND owner, WORD key, bool asCharacter)
{
    if (asCharacter) {
        PostMessageA(owner, WM_CHAR, key, 1);
        return;
    }
    PostMessageA(owner, WM_KEYDOWN, key, 1);
    PostMessageA(owner, WM_KEYUP, key, 0xC0000001);
}

namespace {

struct PendingAction {
    std::function<void()> action;
    bool repeat = false;
};

std::map<UINT_PTR, PendingAction>& Pending()
{
    static std::map<UINT_PTR, PendingAction> pending;
    return pending;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD)
{
    auto found = Pending().find(timer);
    if (found == Pending().end())
        return Cancel(timer);
    std::function<void()> action = found->second.action;
    if (!found->second.repeat)
        Cancel(timer);
    action();
}

UINT_PTR Schedule(UINT ms, std::function<void()> action, bool repeat)
{
    UINT_PTR timer = SetTimer(nullptr, 0, ms, &RunPending);
    Pending()[timer] = {std::move(action), repeat};
    return timer;
}

}  // namespace

UINT_PTR After(UINT ms, std::function<void()> action)
{
    return Schedule(ms, std::move(action), false);
}

UINT_PTR Every(UINT ms, std::function<void()> action)
{
    return Schedule(ms, std::move(action), true);
}

void Cancel(UINT_PTR timer)
{
    KillTimer(nullptr, timer);
    Pending().erase(timer);
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

namespace {

menufile::MenuEntry Entry(int flags, const std::string& text1, const std::string& text2 = "",
                          const std::string& parameters = "")
{
    menufile::MenuEntry entry;
    entry.flags = flags;
    entry.text1 = text1;
    entry.text2 = text2;
    entry.parameters = parameters;
    return entry;
}

}  // namespace

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
    menufile::MenuEntry entry = Entry(menufile::ITEM_POPUP, text);
    entry.submenu = std::make_unique<menufile::MenuList>();
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
