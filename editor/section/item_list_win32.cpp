#include "editor/section/item_list.h"

#include <commctrl.h>
#include "editor/command_text.h"
#include "editor/section/node_kind.h"
#include "editor/section.h"
#include "resources/editor/resource_ids.h"
#include "win32/unique_handle.h"

namespace editor {

namespace {

constexpr int kColumnWidths[] = {120, 320};
constexpr int kHintGap = 10;  // between the header and the hint

struct OptionRow {
    NodeKind node;
    const char* text;
    UINT description;
};
const OptionRow kOptionRows[] = {{kLeftOptionsNode, "左メニューの設定", IDS_LEFT_OPTIONS_INFO},
                                 {kRightOptionsNode, "右メニューの設定", IDS_RIGHT_OPTIONS_INFO},
                                 {kTrayOptionsNode, "タスクトレー", IDS_TRAY_OPTIONS_INFO}};

}  // namespace

bool ItemList::Create(HWND parent, HINSTANCE instance, HIMAGELIST treeImages)
{
    instance_ = instance;
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, 0, 0, 0, 0, parent,
                                nullptr, instance, nullptr);
    if (!list || !Attach(list))
        return false;
    ListView_SetImageList(list, treeImages, LVSIL_SMALL);
    AddColumns();
    return true;
}

void ItemList::AddColumns()
{
    std::string headers = LoadText(instance_, IDS_ITEM_COLUMNS);
    for (int column = 0; column < 2; ++column) {
        size_t comma = headers.find(',');
        std::string header = headers.substr(0, comma);
        headers = comma == std::string::npos ? "" : headers.substr(comma + 1);
        LVCOLUMNA data = {};
        data.mask = LVCF_TEXT | LVCF_WIDTH;
        data.pszText = const_cast<char*>(header.c_str());
        data.cx = kColumnWidths[column];
        SendMessageA(handle(), LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&data));
    }
}

void ItemList::Show(int side)
{
    ListView_DeleteAllItems(handle());
    hint_.clear();
    if (side == kOptionsTab) {
        for (const OptionRow& row : kOptionRows)
            AddRow(row.node, row.text, LoadText(instance_, row.description));
    } else {
        hint_ = LoadText(instance_, side == kLeft ? IDS_LEFT_MENU_HINT : IDS_RIGHT_MENU_HINT);
    }
    InvalidateRect(handle(), nullptr, TRUE);
}

void ItemList::AddRow(int image, const std::string& text, const std::string& description)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = ListView_GetItemCount(handle());
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    int row = static_cast<int>(SendMessageA(handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    item.iItem = row;
    item.iSubItem = 1;
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>(description.c_str());
    SendMessageA(handle(), LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

LRESULT ItemList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = DefaultProc(message, wParam, lParam);
    if (message == WM_PAINT && !hint_.empty() && ListView_GetItemCount(handle()) == 0)
        PaintHint();
    return result;
}

// Below the header, centred and wrapped, in the list's own colours.
void ItemList::PaintHint()
{
    RECT area;
    GetClientRect(handle(), &area);
    RECT header = {};
    GetWindowRect(ListView_GetHeader(handle()), &header);
    area.top += header.bottom - header.top + kHintGap;
    win32::WindowDc dc(handle());
    win32::SelectObjectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(handle(), WM_GETFONT, 0, 0)));
    SetTextColor(dc.get(), GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc.get(), GetSysColor(COLOR_WINDOW));
    DrawTextA(dc.get(), hint_.c_str(), -1, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace editor
