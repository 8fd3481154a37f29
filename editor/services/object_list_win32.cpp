#include "editor/services/object_list.h"

#include "win32/unique_handle.h"

namespace editor {

namespace {

constexpr DWORD kViewMask = LVS_TYPEMASK;
constexpr int kHintTop = 10;
// Drawn as it stands: the "&" is part of the words, not a mnemonic.
const char kEmptyHint[] = "表示されたｱｲｺﾝをﾄﾞﾗｯｸﾞ&ﾄﾞﾛｯﾌﾟして、ﾒﾆｭｰのﾎﾞﾀﾝに利用できます";

}  // namespace

bool ObjectList::Create(HWND parent, const win32::SystemImageLists& images, const std::string& nameColumn)
{
    // The system image lists belong to the shell: the list must never
    // destroy them.
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE, 0, 0, 0,
                                0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kId)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!list || !Attach(list))
        return false;
    ListView_SetImageList(list, images.largeIcons, LVSIL_NORMAL);
    ListView_SetImageList(list, images.smallIcons, LVSIL_SMALL);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 200;
    column.pszText = const_cast<char*>(nameColumn.c_str());
    return ListView_InsertColumn(list, 0, &column) == 0;
}

void ObjectList::Show(const std::vector<ServiceObject>& objects)
{
    objects_ = &objects;
    HWND list = handle();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (size_t index = 0; index < objects.size(); ++index) {
        LVITEMA row = {};
        row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        row.iItem = static_cast<int>(index);
        row.pszText = const_cast<char*>(objects[index].item.displayName.c_str());
        row.iImage = objects[index].item.image;
        row.lParam = static_cast<LPARAM>(index);
        ListView_InsertItem(list, &row);
    }
    if (view() == LVS_REPORT)
        ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ObjectList::SetView(DWORD view)
{
    DWORD style = static_cast<DWORD>(GetWindowLongA(handle(), GWL_STYLE));
    SetWindowLongA(handle(), GWL_STYLE, static_cast<LONG>((style & ~kViewMask) | view));
    if (view == LVS_REPORT)
        ListView_SetColumnWidth(handle(), 0, LVSCW_AUTOSIZE);
    InvalidateRect(handle(), nullptr, TRUE);
}

DWORD ObjectList::view() const
{
    return static_cast<DWORD>(GetWindowLongA(handle(), GWL_STYLE)) & kViewMask;
}

void ObjectList::SelectAll()
{
    ListView_SetItemState(handle(), -1, LVIS_SELECTED, LVIS_SELECTED);
}

const ServiceObject* ObjectList::ObjectAt(POINT screen) const
{
    LVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(handle(), &hit.pt);
    int row = ListView_HitTest(handle(), &hit);
    if (row < 0 || !(hit.flags & LVHT_ONITEM) || !objects_ || static_cast<size_t>(row) >= objects_->size())
        return nullptr;
    return &(*objects_)[row];
}

std::vector<const ServiceObject*> ObjectList::Selected() const
{
    std::vector<const ServiceObject*> chosen;
    for (int row = ListView_GetNextItem(handle(), -1, LVNI_SELECTED); row >= 0 && objects_;
         row = ListView_GetNextItem(handle(), row, LVNI_SELECTED))
        chosen.push_back(&(*objects_)[row]);
    return chosen;
}

// Below the column header when it shows, centred and wrapped.
void ObjectList::PaintHint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    HWND header = ListView_GetHeader(handle());
    RECT headerBox = {};
    if (header && IsWindowVisible(header))
        GetClientRect(header, &headerBox);
    RECT area;
    GetClientRect(handle(), &area);
    area.top = headerBox.bottom;
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    area.top += kHintTop;
    win32::SelectObjectGuard font(dc, GetStockObject(SYSTEM_FONT));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    DrawTextA(dc, kEmptyHint, -1, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(handle(), &paint);
}

LRESULT ObjectList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && count() == 0) {
        PaintHint();
        return 0;
    }
    return Subclass::OnMessage(message, wParam, lParam);
}

}  // namespace editor
