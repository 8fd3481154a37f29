#include "editor/dialogs/colour_sheet.h"

#include <algorithm>
#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"
#include "win32/centre_window.h"
#include "win32/unique_handle.h"

namespace editor {

namespace {

constexpr int kApplyButton = 0x3021;

// How much wider than the place the button must be to show its text whole.
int MissingWidth(HWND button, const RECT& place, const std::string& text)
{
    win32::WindowDc dc(button);
    win32::SelectObjectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    int needed = size.cx + 4 * GetSystemMetrics(SM_CXEDGE) + 8;
    return std::max(0, needed - static_cast<int>(place.right - place.left));
}

void MoveLeft(HWND window, int distance)
{
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(window, nullptr, place.left - distance, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace

ColourSheet::ColourSheet(HINSTANCE instance, std::string title, const menufile::TitleColours& colours)
    : instance_(instance), original_(colours), data_{std::move(title), colours},
      textPage_(instance, data_, true), backgroundPage_(instance, data_, false)
{
    AddPage(textPage_);
    AddPage(backgroundPage_);
}

INT_PTR ColourSheet::Run(HWND parent)
{
    data_.colours = original_;
    applyToAll_ = false;
    INT_PTR result = DoModal(instance_, parent, LoadText(instance_, IDS_COLOUR_SHEET));
    applyToAllButton_ = nullptr;
    if (result != IDOK) {
        data_.colours = original_;
        applyToAll_ = false;
    }
    return result;
}

void ColourSheet::OnInit()
{
    SetWindowLongPtrA(handle(), GWL_EXSTYLE, GetWindowLongPtrA(handle(), GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    win32::CentreWindow(handle(), GetWindow(handle(), GW_OWNER));
    ReplaceApplyButton();
}

// The new button has OK's id, so the sheet ends as by OK; only the flag
// tells the two apart. Its text is longer than "Apply": it grows to the
// left and OK and Cancel make room.
void ColourSheet::ReplaceApplyButton()
{
    HWND apply = GetDlgItem(handle(), kApplyButton);
    HWND ok = GetDlgItem(handle(), IDOK);
    HWND cancel = GetDlgItem(handle(), IDCANCEL);
    RECT place;
    GetWindowRect(apply, &place);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&place), 2);
    std::string text = LoadText(instance_, IDS_APPLY_TO_ALL_TITLES);
    applyToAllButton_ = CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                                        handle(), reinterpret_cast<HMENU>(IDOK), instance_, nullptr);
    SendMessageA(applyToAllButton_, WM_SETFONT, SendMessageA(apply, WM_GETFONT, 0, 0), FALSE);
    ShowWindow(apply, SW_HIDE);
    int missing = MissingWidth(applyToAllButton_, place, text);
    for (HWND button : {applyToAllButton_, ok, cancel})
        MoveLeft(button, missing);
    SetWindowPos(applyToAllButton_, nullptr, 0, 0, place.right - place.left + missing, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void ColourSheet::OnCommand(int id, int notifyCode, HWND control)
{
    if (control && control == applyToAllButton_)
        applyToAll_ = true;
}

}  // namespace editor
