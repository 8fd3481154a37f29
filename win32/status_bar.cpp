#include "win32/status_bar.h"

#include <commctrl.h>
#include <vector>
#include "win32/unique_handle.h"

namespace win32 {

bool StatusBar::Create(HWND parent, UINT controlId)
{
    handle_ = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                              GetModuleHandleA(nullptr), nullptr);
    return handle_ != nullptr;
}

void StatusBar::SetText(const std::string& text)
{
    SendMessageA(handle_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::text() const
{
    // The length may come in characters rather than bytes: room for two
    // bytes a character.
    LRESULT length = LOWORD(SendMessageA(handle_, SB_GETTEXTLENGTHA, 0, 0));
    std::vector<char> buffer(2 * length + 2);
    SendMessageA(handle_, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

void StatusBar::ShowProgress(const std::string& text, int percent)
{
    SetText(text);
    if (!progress_) {
        progress_ = CreateWindowExA(0, PROGRESS_CLASSA, nullptr, WS_CHILD, 0, 0, 0, 0, handle_, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        SendMessageA(progress_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }
    PlaceProgress();
    SendMessageA(progress_, PBM_SETPOS, percent, 0);
    ShowWindow(progress_, SW_SHOWNA);
    UpdateWindow(handle_);
}

void StatusBar::EndProgress()
{
    if (progress_) {
        DestroyWindow(progress_);
        progress_ = nullptr;
    }
}

// Right of the text, to the end of the pane.
void StatusBar::PlaceProgress()
{
    RECT pane;
    SendMessageA(handle_, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    std::string shown = text();
    SIZE extent = {};
    {
        WindowDc dc(handle_);
        SelectObjectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &extent);
    }
    int left = pane.left + extent.cx + 12;
    int right = pane.right - GetSystemMetrics(SM_CXVSCROLL);
    if (right < left + 40)
        right = left + 40;
    MoveWindow(progress_, left, pane.top + 2, right - left, pane.bottom - pane.top - 4, TRUE);
}

void StatusBar::Place(RECT& area)
{
    if (!handle_ || !(GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE))
        return;
    // The bar sizes and places itself at the bottom of its parent.
    SendMessageA(handle_, WM_SIZE, 0, 0);
    RECT bar;
    GetWindowRect(handle_, &bar);
    area.bottom -= bar.bottom - bar.top;
    if (progress_)
        PlaceProgress();
}

}  // namespace win32
