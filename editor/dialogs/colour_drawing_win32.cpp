#include "editor/dialogs/colour_drawing.h"

#include "win32/unique_handle.h"

namespace editor {

namespace {

void FillColour(HDC dc, const RECT& rect, COLORREF colour)
{
    win32::UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void DrawSwatchFocus(HDC dc, const RECT& button)
{
    FrameRect(dc, &button, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT focus = button;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
}

}  // namespace

void DrawSwatch(const DRAWITEMSTRUCT& item, COLORREF colour)
{
    bool pressed = item.itemState & ODS_SELECTED;
    bool disabled = item.itemState & ODS_DISABLED;
    RECT frame = item.rcItem;
    UINT state = DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0) | (disabled ? DFCS_INACTIVE : 0);
    DrawFrameControl(item.hDC, &frame, DFC_BUTTON, state);
    RECT well = item.rcItem;
    InflateRect(&well, -(well.right - well.left) / 4, -(well.bottom - well.top) / 4);
    if (pressed)
        OffsetRect(&well, 1, 1);
    DrawEdge(item.hDC, &well, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillColour(item.hDC, well, colour);
    if ((item.itemState & ODS_FOCUS) && !disabled)
        DrawSwatchFocus(item.hDC, item.rcItem);
}

void DrawPreview(const DRAWITEMSTRUCT& item, const std::string& text, COLORREF textColour, COLORREF background)
{
    FillColour(item.hDC, item.rcItem, background);
    RECT inner = item.rcItem;
    InflateRect(&inner, -2, -2);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, textColour);
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT edge = item.rcItem;
    DrawEdge(item.hDC, &edge, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace editor
