#include "resident/menus/owner_draw_menu.h"

#include <algorithm>

namespace resident {

namespace {

// Beyond this a width in characters is wider than any screen; it also keeps
// the width times the "M" extent far from overflowing.
constexpr int kMaxWidthInCharacters = 999;

}  // namespace

MenuMetrics MetricsFor(int menuOptions, int menuWidth)
{
    MenuMetrics m;
    m.menuHeight = GetSystemMetrics(SM_CYMENU);
    m.checkWidth = GetSystemMetrics(SM_CXMENUCHECK);
    bool icons = (menuOptions & MENU_SHOW_ICONS) != 0;
    if (icons) {
        m.iconSize = GetSystemMetrics((menuOptions & MENU_LARGE_ICONS) ? SM_CXICON : SM_CXSMICON);
        m.iconColumn = m.iconSize + 4;
        m.iconRow = m.iconSize + 4;
    }
    if (menuOptions & MENU_SHOW_TEXT) {
        // A negative width in the settings cannot mean anything but "no
        // limit"; taken as such rather than hiding the text.
        m.textWidth = menuWidth <= 0 ? kAutomaticWidth : std::min(menuWidth, kMaxWidthInCharacters);
    } else {
        m.textWidth = icons ? -15 : -14;
    }
    return m;
}

OwnerDrawMenu::OwnerDrawMenu(const MenuContext& context, int menuOptions, int menuWidth)
    : context_(context), options_(menuOptions), width_(menuWidth), metrics_(MetricsFor(menuOptions, menuWidth))
{
    if (menuOptions & MENU_SHOW_ICONS)
        icons_ = std::make_unique<MenuIconStore>(largeIcons() ? context.largeImageList : context.smallImageList);
}

OwnerDrawMenu::~OwnerDrawMenu()
{
    icons_.reset();
    measureDc_.reset();
    normalFont_.reset();
    boldFont_.reset();
    RemoveSubmenus();
    records_.clear();
    Destroy();
}

void OwnerDrawMenu::RemoveSubmenus()
{
    HMENU menu = handle();
    if (!menu || !hasSubmenus_)
        return;
    for (int position = GetMenuItemCount(menu) - 1; position >= 0; --position) {
        if (GetSubMenu(menu, position))
            RemoveMenu(menu, position, MF_BYPOSITION);
    }
}

bool OwnerDrawMenu::Append(UINT flags, UINT_PTR idOrSubmenu, MenuItemData data)
{
    data.owner = this;
    records_.push_back(std::move(data));
    if (!AppendMenuA(handle(), flags, idOrSubmenu, reinterpret_cast<LPCSTR>(&records_.back()))) {
        records_.pop_back();
        return false;
    }
    hasSubmenus_ = hasSubmenus_ || (flags & MF_POPUP);
    return true;
}

const MenuItemData* OwnerDrawMenu::Record(ULONG_PTR itemData) const
{
    // Only entries of this menu reach here, so the data is readable; the
    // magic and the owner tell records of this menu from anything else.
    auto* data = reinterpret_cast<const MenuItemData*>(itemData);
    return data && data->magic == kMenuItemMagic && data->owner == this ? data : nullptr;
}

const char* OwnerDrawMenu::ItemText(ULONG_PTR itemData) const
{
    const MenuItemData* data = Record(itemData);
    return data ? data->text.c_str() : nullptr;
}

HFONT OwnerDrawMenu::NormalFont()
{
    if (!normalFont_) {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        normalFont_.reset(CreateFontIndirectA(&metrics.lfMenuFont));
    }
    return normalFont_.get();
}

HFONT OwnerDrawMenu::BoldFont()
{
    if (!boldFont_) {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        metrics.lfMenuFont.lfWeight = FW_BOLD;
        boldFont_.reset(CreateFontIndirectA(&metrics.lfMenuFont));
    }
    return boldFont_.get();
}

// One DC with the menu font selected, kept for the menu's life: every
// entry of a folder of thousands is measured, and a DC and two font
// selections each made that cost more than the shell's listing.
HDC OwnerDrawMenu::MeasureDc()
{
    if (!measureDc_) {
        measureDc_.reset(CreateCompatibleDC(nullptr));
        if (measureDc_)
            SelectObject(measureDc_.get(), NormalFont());
    }
    return measureDc_.get();
}

int OwnerDrawMenu::MWidth(HDC dc)
{
    if (mWidth_ < 0) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, "M", 1, &size);
        mWidth_ = size.cx;
    }
    return mWidth_;
}

}  // namespace resident
