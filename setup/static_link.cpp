#include "setup/static_link.h"

#include <shellapi.h>
#include <windowsx.h>
#include "win32/dialog.h"

namespace setup {
namespace {

constexpr int kHelpHandCursor = 106;

// A copy of the help viewer's hand cursor, or nullptr.
HCURSOR LoadHelpHandCursor()
{
    char path[MAX_PATH];
    UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length + sizeof "\\winhlp32.exe" > MAX_PATH)
        return nullptr;
    lstrcatA(path, "\\winhlp32.exe");
    // Only its resources are wanted: nothing of the program runs.
    win32::UniqueModule viewer(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!viewer)
        return nullptr;
    HCURSOR cursor = LoadCursorA(viewer.get(), MAKEINTRESOURCEA(kHelpHandCursor));
    // The copy outlives the module the cursor came from.
    return cursor ? CopyCursor(cursor) : nullptr;
}

}  // namespace

HCURSOR CStaticLink::HandCursor()
{
    static win32::UniqueIcon copied(LoadHelpHandCursor());
    static HCURSOR cursor = copied ? copied.get() : LoadCursorA(nullptr, IDC_HAND);
    return cursor;
}

bool CStaticLink::Attach(HWND control)
{
    if (!Subclass::Attach(control))
        return false;
    MakeUnderlinedFont();
    return true;
}

void CStaticLink::MakeUnderlinedFont()
{
    HFONT base = reinterpret_cast<HFONT>(SendMessageA(handle(), WM_GETFONT, 0, 0));
    LOGFONTA font = {};
    if (!GetObjectA(base ? base : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font))
        return;
    font.lfUnderline = TRUE;
    font_.reset(CreateFontIndirectA(&font));
    // The control draws with its own font; the link's lives as long as the link.
    if (font_)
        SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

bool CStaticLink::Open()
{
    if (target_.empty()) {
        std::string text(GetWindowTextLengthA(handle()) + 1, '\0');
        text.resize(GetWindowTextA(handle(), &text[0], static_cast<int>(text.size())));
        target_ = text;
    }
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", target_.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        MessageBeep(0);
        return false;
    }
    color_ = kVisited;
    Repaint();
    return true;
}

void CStaticLink::Repaint()
{
    // The background is the parent's: have it painted again under the text.
    HWND parent = GetParent(handle());
    RECT rect;
    GetWindowRect(handle(), &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    InvalidateRect(parent, &rect, TRUE);
    InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT CStaticLink::OnColorRequest(HDC dc)
{
    SetTextColor(dc, color_);
    SetBkMode(dc, TRANSPARENT);
    if (font_)
        SelectObject(dc, font_.get());
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CStaticLink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case win32::ReflectedMessage(WM_CTLCOLORSTATIC):
        return OnColorRequest(reinterpret_cast<HDC>(wParam));
    case WM_NCHITTEST:
        return HTCLIENT;  // a static is transparent to the mouse otherwise
    case WM_SETCURSOR:
        SetCursor(HandCursor());
        return TRUE;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(handle());
        return 0;
    case WM_LBUTTONUP: {
        bool wasPressed = pressed_;
        pressed_ = false;
        ReleaseCapture();
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT client;
        GetClientRect(handle(), &client);
        // Only a click that ends over the link opens it.
        if (wasPressed && PtInRect(&client, point))
            Open();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace setup
