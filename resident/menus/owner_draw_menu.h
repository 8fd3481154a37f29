#pragma once
// One Win32 menu of a tray popup (the root or a submenu) whose entries the
// resident draws itself: icon column, text in the menu font with a width
// limit, coloured titles, captioned separators.
#include <windows.h>
#include <memory>
#include <string>
#include <deque>
#include <vector>
#include "resident/menus/menu_context.h"
#include "resident/menus/menu_icon_store.h"
#include "resident/menus/menu_item_data.h"
#include "resident/menus/menu_registry.h"
#include "settings/keys.h"
#include "win32/unique_handle.h"

namespace resident {

// Menu option bits (Opt_L, Opt_R).
enum : int {
    MENU_SHOW_ICONS = settings::OPT_ICONS,
    MENU_LARGE_ICONS = settings::OPT_LARGE_ICONS,
    MENU_SHOW_TEXT = settings::OPT_TEXTS,
};

// Text width setting meaning "as wide as the text".
constexpr int kAutomaticWidth = 99999;

struct MenuMetrics {
    int iconSize = 0;           // a
    int iconColumn = -1;        // K
    int iconRow = 0;            // R
    int submenuExtra = -1;      // E
    int textWidth = -14;        // W: characters, kAutomaticWidth, or negative for no text
    // Asked once: under Wine each GetSystemMetrics costs more than
    // measuring an entry's text.
    int menuHeight = 0;         // SM_CYMENU
    int checkWidth = 0;         // SM_CXMENUCHECK
};

// The metrics that the menu options and width give.
MenuMetrics MetricsFor(int menuOptions, int menuWidth);

class OwnerDrawMenu : public MenuHandle {
public:
    // The context must outlive the menu; its image lists draw the pictures.
    OwnerDrawMenu(const MenuContext& context, int menuOptions, int menuWidth);
    // Frees the pictures, fonts and entry records, then destroys the menu
    // alone: submenus are taken out first, each is destroyed by its own
    // object, so no nesting depth makes this recurse.
    ~OwnerDrawMenu() override;

    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void MeasureItem(MEASUREITEMSTRUCT& item) override;
    const char* ItemText(ULONG_PTR itemData) const override;

    // AppendMenuA with an entry record that this menu keeps; false when the
    // append failed (the entry is then left out).
    bool Append(UINT flags, UINT_PTR idOrSubmenu, MenuItemData data);
    // A menu that must live as long as this one, such as a resource menu
    // whose submenu is shown in it.
    void Adopt(win32::UniqueMenu menu) { adopted_.push_back(std::move(menu)); }

    const MenuContext& context() const { return context_; }
    int options() const { return options_; }
    int width() const { return width_; }
    bool largeIcons() const { return (options_ & MENU_LARGE_ICONS) != 0; }
    const MenuMetrics& metrics() const { return metrics_; }
    // Null when the menu shows no icons.
    MenuIconStore* icons() { return icons_.get(); }
    // The record behind an entry's item data, if this menu made it.
    const MenuItemData* Record(ULONG_PTR itemData) const;

private:
    HFONT NormalFont();
    HFONT BoldFont();
    int MWidth(HDC dc);
    HDC MeasureDc();
    RECT TextExtent(const MenuItemData& data);
    void DrawSeparator(HDC dc, const DRAWITEMSTRUCT& item, const MenuItemData& data);
    void DrawEntry(HDC dc, const DRAWITEMSTRUCT& item, const MenuItemData& data);
    bool DrawPicture(HDC dc, const DRAWITEMSTRUCT& item, const MenuItemData& data);
    void DrawLabel(HDC dc, const std::string& text, RECT rect, COLORREF colour, bool bold);
    void RemoveSubmenus();

    const MenuContext& context_;
    int options_;
    int width_;
    MenuMetrics metrics_;
    std::unique_ptr<MenuIconStore> icons_;
    win32::UniqueFont normalFont_;
    win32::UniqueFont boldFont_;
    int mWidth_ = -1;
    win32::UniqueMemoryDc measureDc_;  // holds the normal font: destroyed before it
    std::deque<MenuItemData> records_;  // stable addresses: the menu holds them
    std::vector<win32::UniqueMenu> adopted_;
    bool hasSubmenus_ = false;
};

}  // namespace resident
