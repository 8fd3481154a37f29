// How the icon chooser draws its icons and its history button.
#include "editor/dialogs/icon_chooser_dialog.h"

#include "resources/editor/resource_ids.h"

namespace editor {

bool IconChooserDialog::OnDrawItem(int controlId, const DRAWITEMSTRUCT& item)
{
    if (controlId == IDC_ICON_LIST)
        DrawIconItem(item);
    else if (controlId == IDC_ICON_HISTORY)
        DrawHistoryButton(item);
    else
        return false;
    return true;
}

void IconChooserDialog::DrawIconItem(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID >= icons_.size())
        return;
    if (item.itemAction == ODA_FOCUS) {
        DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (HICON icon = icons_[item.itemID].get())
        DrawIcon(item.hDC, item.rcItem.left + 2, item.rcItem.top + 4, icon);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

void IconChooserDialog::DrawHistoryButton(const DRAWITEMSTRUCT& item) const
{
    bool pressed = item.itemState & ODS_SELECTED;
    RECT frame = item.rcItem;
    DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    BITMAP size = {};
    if (historyBitmap_ && GetObjectA(historyBitmap_.get(), sizeof size, &size)) {
        win32::UniqueMemoryDc memory(CreateCompatibleDC(item.hDC));
        win32::SelectObjectGuard select(memory.get(), historyBitmap_.get());
        int shift = pressed ? 1 : 0;
        int x = (item.rcItem.left + item.rcItem.right - size.bmWidth) / 2 + shift;
        int y = (item.rcItem.top + item.rcItem.bottom - size.bmHeight) / 2 + shift;
        BitBlt(item.hDC, x, y, size.bmWidth, size.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace editor
