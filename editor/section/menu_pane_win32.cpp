#include "editor/section/menu_pane.h"

#include <shellapi.h>
#include <shlobj.h>
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

const char kClassName[] = "OmbrixMenuPane";

struct TabInfo {
    const char* text;
    int image;
    int side;
};
const TabInfo kTabs[MenuPane::kTabCount] = {
    {"オプション", 5, kOptionsTab}, {"左メニュー", 4, kLeft}, {"右メニュー", 3, kRight}};

void RegisterOnce(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.hInstance = instance;
    if (GetClassInfoExA(instance, kClassName, &windowClass))
        return;
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    win32::Window::RegisterClass(windowClass);
}

bool IsShortcut(const std::string& path)
{
    SHFILEINFOA info = {};
    info.dwAttributes = SFGAO_LINK;
    return SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED) &&
           (info.dwAttributes & SFGAO_LINK) != 0;
}

}  // namespace

bool MenuPane::Create(HWND parent)
{
    RegisterOnce(instance_);
    if (!Window::Create(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                        nullptr, instance_))
        return false;
    if (!CreateTabs() || !tree_.Create(handle(), instance_))
        return false;
    SetWindowPos(tree_.handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    DragAcceptFiles(handle(), TRUE);
    SelectTab(0);
    return true;
}

// The tree lies over the tabs' display area as their sibling, so that its
// notifications come here.
bool MenuPane::CreateTabs()
{
    tabs_ = CreateWindowExA(0, WC_TABCONTROLA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_BOTTOM | TCS_MULTILINE, 0, 0, 0, 0,
                            handle(), reinterpret_cast<HMENU>(kTabsId), instance_, nullptr);
    tabImages_.reset(ImageList_LoadImageA(instance_, MAKEINTRESOURCEA(IDB_SECTION_TABS), 16, 0, RGB(192, 192, 192),
                                          IMAGE_BITMAP, LR_CREATEDIBSECTION));
    if (!tabs_ || !tabImages_)
        return false;
    SendMessageA(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    TabCtrl_SetImageList(tabs_, tabImages_.get());
    for (int n = 0; n < kTabCount; ++n) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = const_cast<char*>(kTabs[n].text);
        item.iImage = kTabs[n].image;
        item.lParam = n + 1;
        SendMessageA(tabs_, TCM_INSERTITEMA, n, reinterpret_cast<LPARAM>(&item));
    }
    return true;
}

void MenuPane::SelectTab(int index)
{
    TabCtrl_SetCurSel(tabs_, index);
    OnTabChanged();
}

LRESULT MenuPane::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (OnDragMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case UM_DROP_ENTRIES:
        return lParam ? OnDropEntries(*reinterpret_cast<EntryDrop*>(lParam)) : side_ != kOptionsTab;
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}

LRESULT MenuPane::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE)
        OnTabChanged();
    if (header.hwndFrom != tree_.handle())
        return 0;
    switch (header.code) {
    case TVN_SELCHANGEDA:
        OnSelectionChanged();
        return 0;
    case TVN_BEGINDRAGA:
        OnBeginDrag(reinterpret_cast<const NMTREEVIEWA&>(header));
        return 0;
    case NM_RCLICK:
        ShowContextMenu();
        return TRUE;
    case TVN_BEGINLABELEDITA:
        return !CanEditLabel(reinterpret_cast<const NMTVDISPINFOA&>(header).item.hItem);
    case TVN_ENDLABELEDITA:
        return OnEndLabelEdit(reinterpret_cast<const NMTVDISPINFOA&>(header));
    }
    return 0;
}

void MenuPane::Layout(int width, int height)
{
    MoveWindow(tabs_, 0, 0, width, height, TRUE);
    RECT area = {0, 0, width, height};
    TabCtrl_AdjustRect(tabs_, FALSE, &area);
    MoveWindow(tree_.handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void MenuPane::OnTabChanged()
{
    int index = TabCtrl_GetCurSel(tabs_);
    if (index < 0 || index >= kTabCount)
        return;
    side_ = kTabs[index].side;
    current_.clear();
    tree_.Rebuild(side_, TabText(), section_);
    OnSelectionChanged();
}

std::string MenuPane::TabText() const
{
    int index = TabCtrl_GetCurSel(tabs_);
    return index >= 0 && index < kTabCount ? kTabs[index].text : "";
}

void MenuPane::OnSelectionChanged()
{
    const TreeNode* node = tree_.rebuilding() ? nullptr : tree_.NodeOf(tree_.Selected());
    if (!node)
        return;
    current_ = node->path;
    WPARAM shortcut = 0;
    if (node->kind == kCommandNode) {
        const menufile::MenuEntry* entry = EntryOf(node->path);
        shortcut = entry && IsShortcut(entry->text1) ? 1 : 0;
    }
    SendMessageA(formTarget_, UM_SHOW_FORM, shortcut << 16 | static_cast<WPARAM>(node->kind), 0);
}

const menufile::MenuEntry* MenuPane::EntryOf(const EntryPath& path) const
{
    const EditMenuFile* menu = side_ == kOptionsTab ? nullptr : section_.menu(static_cast<Side>(side_));
    return menu && menu->root() ? EntryAt(*menu->root(), path) : nullptr;
}

}  // namespace editor
