// Measuring and drawing the owner-drawn entries of an OwnerDrawMenu.
#include "resident/menus/owner_draw_menu.h"

#include <algorithm>
#include <vector>
#include "resident/menus/menu_text.h"

namespace resident {

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    win32::UniqueBrush brush(CreateSolidBrush(colour));
    win32::SelectObjectGuard select(dc, brush.get());
    PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
}

void EtchedLine(HDC dc, int left, int top, int right, int bottom)
{
    if (right <= left)
        return;
    RECT rect = {left, top, right, bottom};
    DrawEdge(dc, &rect, EDGE_ETCHED, BF_TOP);
}

// Restores everything a handler changed on the menu's DC (font, colours,
// background mode) before the menu draws its next entry.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() { if (saved_) RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace

void OwnerDrawMenu::MeasureItem(MEASUREITEMSTRUCT& item)
{
    if (item.CtlType != ODT_MENU)
        return;
    const MenuItemData* data = Record(item.itemData);
    if (!data)
        return;
    int menuHeight = metrics_.menuHeight;
    if (data->kind == KIND_SEPARATOR) {
        item.itemWidth = 0;
        item.itemHeight = data->text.empty() ? menuHeight / 2 : menuHeight;
        return;
    }
    int w = metrics_.textWidth;
    RECT q = {};
    if (w >= 0) {
        if (w != kAutomaticWidth)
            w *= MWidth(MeasureDc());
        q = TextExtent(*data);
    }
    item.itemHeight = std::max({static_cast<int>(q.bottom - q.top), menuHeight, metrics_.iconRow});
    if (w <= 0 || w == kAutomaticWidth)
        w = std::min(w, static_cast<int>(q.right - q.left));
    int width = w + metrics_.iconColumn + 11 - metrics_.checkWidth + 1;
    if (data->kind == KIND_SUBMENU)
        width += metrics_.submenuExtra + 6;
    // Without text and icons the sum is negative; as an unsigned width it
    // would make the menu span the screen.
    item.itemWidth = static_cast<UINT>(std::max(width, 0));
}

RECT OwnerDrawMenu::TextExtent(const MenuItemData& data)
{
    RECT q = {};
    HDC dc = MeasureDc();
    // Titles are drawn bold: measured so, or the automatic width cuts them.
    HGDIOBJ previous = data.kind == KIND_TITLE ? SelectObject(dc, BoldFont()) : nullptr;
    DrawTextA(dc, data.text.c_str(), -1, &q, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    if (previous)
        SelectObject(dc, previous);
    return q;
}

void OwnerDrawMenu::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_MENU)
        return;
    const MenuItemData* data = Record(item.itemData);
    if (!data)
        return;
    SavedDc saved(item.hDC);
    if (data->kind == KIND_SEPARATOR)
        DrawSeparator(item.hDC, item, *data);
    else
        DrawEntry(item.hDC, item, *data);
}

void OwnerDrawMenu::DrawSeparator(HDC dc, const DRAWITEMSTRUCT& item, const MenuItemData& data)
{
    const RECT& r = item.rcItem;
    int middle = r.top + (r.bottom - r.top) / 2;
    if (data.text.empty()) {
        EtchedLine(dc, r.left, middle, r.right, r.bottom);
        return;
    }
    int width = r.right - r.left;
    int margin = (width & ~3) > 24 ? width / 4 : 6;
    // Room for the text and the "..." that DT_MODIFYSTRING may write.
    std::vector<char> caption(data.text.begin(), data.text.end());
    caption.resize(caption.size() + 5, '\0');
    RECT measured = {r.left + margin, r.top, r.right - margin, r.bottom};
    int room = std::max(0, static_cast<int>(measured.right - measured.left));
    DrawTextExA(dc, caption.data(), -1, &measured,
                DT_MODIFYSTRING | DT_END_ELLIPSIS | DT_CALCRECT | DT_SINGLELINE | DT_VCENTER | DT_CENTER,
                nullptr);
    int textWidth = std::min(static_cast<int>(measured.right - measured.left), room);
    int h = (width - textWidth) / 2;
    EtchedLine(dc, r.left, middle, r.left + h - 2, r.bottom);
    EtchedLine(dc, r.right - h + 2, middle, r.right, r.bottom);
    SetBkMode(dc, TRANSPARENT);
    RECT textRect = {r.left + h, r.top, r.right, r.bottom};
    DrawLabel(dc, caption.data(), textRect, GetSysColor(COLOR_MENUTEXT), false);
}

bool OwnerDrawMenu::DrawPicture(HDC dc, const DRAWITEMSTRUCT& item, const MenuItemData& data)
{
    const RECT& r = item.rcItem;
    int k = metrics_.iconColumn, rowHeight = metrics_.iconRow, a = metrics_.iconSize;
    if (data.image < 0 || rowHeight == 0 || !icons_)
        return false;
    int height = r.bottom - r.top;
    RECT cell = {r.left, r.top, r.left + k, r.top + rowHeight + (height - rowHeight) / 2};
    bool highlighted = (item.itemState & ODS_SELECTED) && !(item.itemState & ODS_DISABLED);
    bool marked = (item.itemState & ODS_CHECKED) != 0;
    if (data.kind != KIND_TITLE)
        Fill(dc, cell, GetSysColor(marked && !highlighted ? COLOR_3DLIGHT : COLOR_MENU));
    if (highlighted || marked)
        DrawEdge(dc, &cell, marked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    icons_->Draw(data.image, dc, r.left + (k - a) / 2, r.top + (cell.bottom - r.top - a) / 2);
    return true;
}

void OwnerDrawMenu::DrawEntry(HDC dc, const DRAWITEMSTRUCT& item, const MenuItemData& data)
{
    const RECT& r = item.rcItem;
    bool title = data.kind == KIND_TITLE;
    bool highlighted = (item.itemState & ODS_SELECTED) && !(item.itemState & ODS_DISABLED);
    if (title)
        Fill(dc, r, data.backgroundColor);
    bool picture = DrawPicture(dc, item, data);
    if (metrics_.textWidth >= 0) {
        int k = metrics_.iconColumn;
        if ((highlighted || item.itemAction == ODA_SELECT) && !title) {
            RECT back = {picture ? r.left + k + 1 : r.left, r.top, r.right, r.bottom};
            Fill(dc, back, GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));
        }
        RECT textRect = {r.left + k + 3, r.top, r.right - 6, r.bottom};
        SetBkMode(dc, TRANSPARENT);
        COLORREF colour = title ? data.textColor
                          : (item.itemState & ODS_GRAYED) ? GetSysColor(COLOR_GRAYTEXT)
                          : highlighted                  ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                         : GetSysColor(COLOR_MENUTEXT);
        DrawLabel(dc, data.text, textRect, colour, title);
    }
    if (title) {
        RECT frame = r;
        DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
    }
}

void OwnerDrawMenu::DrawLabel(HDC dc, const std::string& text, RECT rect, COLORREF colour, bool bold)
{
    HGDIOBJ previous = bold ? SelectObject(dc, BoldFont()) : nullptr;
    SplitText split = SplitAtTab(text);
    SetTextColor(dc, colour);
    if (metrics_.textWidth == kAutomaticWidth) {
        DrawTextA(dc, split.left.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
        if (split.hasRight)
            DrawTextA(dc, split.right.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    } else {
        std::vector<char> left(split.left.begin(), split.left.end());
        left.push_back('\0');
        DrawTextExA(dc, left.data(), -1, &rect, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER, nullptr);
    }
    if (previous)
        SelectObject(dc, previous);
}

}  // namespace resident
