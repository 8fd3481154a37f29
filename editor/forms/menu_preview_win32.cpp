// The menu options form's preview: a miniature menu of a separator and one
// entry, measured and drawn by the resident's own renderer from the form's
// options, in the middle of the desktop's colour.
#include "editor/command_text.h"
#include "editor/forms/menu_options_form.h"
#include "resident/menus/owner_draw_menu.h"
#include "resources/editor/resource_ids.h"
#include "win32/system_image_lists.h"

namespace editor {

namespace {

struct PreviewItem {
    UINT id;
    ULONG_PTR data;
    UINT width, height;
};

PreviewItem Measure(resident::OwnerDrawMenu& menu, int position)
{
    MENUITEMINFOA info = {sizeof info, MIIM_DATA | MIIM_ID};
    GetMenuItemInfoA(menu.handle(), position, TRUE, &info);
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
    menu.MeasureItem(measure);
    return {info.wID, info.dwItemData, measure.itemWidth, measure.itemHeight};
}

void Draw(resident::OwnerDrawMenu& menu, HDC dc, const PreviewItem& item, RECT rect)
{
    DRAWITEMSTRUCT draw = {ODT_MENU, 0, item.id, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(menu.handle()), dc,
                           rect, item.data};
    menu.DrawItem(draw);
}

}  // namespace

bool MenuOptionsForm::OnDrawItem(int controlId, const DRAWITEMSTRUCT& item)
{
    if (controlId != IDC_MENU_PREVIEW)
        return false;
    DrawPreview(item);
    return true;
}

void MenuOptionsForm::DrawPreview(const DRAWITEMSTRUCT& item)
{
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BACKGROUND));
    DrawEdge(item.hDC, &area, EDGE_SUNKEN, BF_RECT);
    win32::SystemImageLists lists = win32::AttachSystemImageLists();
    resident::MenuContext menuContext{instance(), handle(), LoadText(instance(), IDS_APP_TITLE), lists.largeIcons,
                                      lists.smallIcons, LoadText(instance(), IDS_FILE_NOT_FOUND), 0};
    resident::OwnerDrawMenu menu(menuContext, OptionsWord(state_), WidthOf(state_));
    menu.Attach(CreatePopupMenu());
    resident::MenuItemData separator;
    separator.kind = resident::KIND_SEPARATOR;
    resident::MenuItemData entry;
    entry.text = menuContext.caption;
    if (resident::MenuIconStore* icons = menu.icons()) {
        int size = GetSystemMetrics(state_.large ? SM_CXICON : SM_CXSMICON);
        entry.image = icons->AddIcon(win32::UniqueIcon(static_cast<HICON>(
            LoadImageA(instance(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, LR_DEFAULTCOLOR))));
    }
    menu.Append(MF_OWNERDRAW | MF_SEPARATOR, 0, separator);
    menu.Append(MF_OWNERDRAW, 0x7000, entry);
    PreviewItem rows[] = {Measure(menu, 0), Measure(menu, 1)};
    // A menu gives every owner-drawn entry the check mark's width besides.
    int width = static_cast<int>(std::max(rows[0].width, rows[1].width)) + GetSystemMetrics(SM_CXMENUCHECK) + 6;
    int height = static_cast<int>(rows[0].height + rows[1].height) + 6;
    RECT frame = {(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0};
    frame.right = frame.left + width;
    frame.bottom = frame.top + height;
    FillRect(item.hDC, &frame, GetSysColorBrush(COLOR_MENU));
    DrawEdge(item.hDC, &frame, EDGE_RAISED, BF_RECT);
    RECT row = {frame.left + 3, frame.top + 3, frame.right - 3, frame.top + 3 + static_cast<int>(rows[0].height)};
    Draw(menu, item.hDC, rows[0], row);
    row.top = row.bottom;
    row.bottom = row.top + static_cast<int>(rows[1].height);
    Draw(menu, item.hDC, rows[1], row);
}

}  // namespace editor
