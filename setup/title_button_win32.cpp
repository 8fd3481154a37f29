#include "setup/title_button.h"

#include <string>
#include "win32/unique_handle.h"

namespace setup {

namespace {

struct Offset {
    int dx;
    int dy;
};

// The raised look: dark copies below right, light ones above left; a pressed
// button mirrors them.
struct Layer {
    int colour;
    Offset offsets[3];
};
const Layer kLayers[] = {
    {COLOR_3DDKSHADOW, {{2, 2}, {2, 1}, {1, 2}}},
    {COLOR_BTNHIGHLIGHT, {{-2, -2}, {-2, -1}, {-1, -2}}},
    {COLOR_BTNSHADOW, {{1, 1}, {1, 0}, {0, 1}}},
    {COLOR_3DLIGHT, {{-1, -1}, {-1, 0}, {0, -1}}},
};

std::string Caption(HWND window)
{
    char text[256];
    int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// The button's font, bold, as high as the text fits the button shrunk by 3
// pixels on each side.
win32::UniqueFont FittingFont(HWND button, HDC dc, const std::string& caption, const RECT& area)
{
    LOGFONTA font = {};
    HFONT own = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    if (!own || !GetObjectA(own, sizeof font, &font))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfWeight = 1000;
    if (font.lfHeight == 0)
        font.lfHeight = 20;
    win32::UniqueFont measureFont(CreateFontIndirectA(&font));
    SIZE size = {};
    {
        win32::SelectObjectGuard select(dc, measureFont.get());
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    }
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (size.cx > 0 && size.cy > 0) {
        int byWidth = MulDiv(font.lfHeight, width, size.cx);
        int byHeight = MulDiv(font.lfHeight, height, size.cy);
        int scaled = abs(byWidth) < abs(byHeight) ? byWidth : byHeight;
        font.lfHeight = scaled > 0 ? scaled - 1 : scaled + 1;
    }
    return win32::UniqueFont(CreateFontIndirectA(&font));
}

void DrawCaption(HDC dc, const std::string& caption, RECT area, Offset offset)
{
    OffsetRect(&area, offset.dx, offset.dy);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

bool TitleButton::Attach(HWND button)
{
    LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    SetWindowLongPtrA(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    return Subclass::Attach(button);
}

void TitleButton::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    InflateRect(&area, -3, -3);
    std::string caption = Caption(item.hwndItem);
    win32::UniqueFont font = FittingFont(item.hwndItem, dc, caption, area);
    win32::SelectObjectGuard select(dc, font.get());
    int oldMode = SetBkMode(dc, TRANSPARENT);
    int mirror = (item.itemState & ODS_SELECTED) ? -1 : 1;
    for (const Layer& layer : kLayers) {
        SetTextColor(dc, GetSysColor(layer.colour));
        for (const Offset& offset : layer.offsets)
            DrawCaption(dc, caption, area, {offset.dx * mirror, offset.dy * mirror});
    }
    SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawCaption(dc, caption, area, {0, 0});
    SetBkMode(dc, oldMode);
}

LRESULT TitleButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The whole face is drawn in Draw; erasing first would only flicker.
    if (message == WM_ERASEBKGND)
        return TRUE;
    return DefaultProc(message, wParam, lParam);
}

}  // namespace setup
