#include "editor/dialogs/colour_sheet.h"

#include "editor/dialogs/dialog_message.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

constexpr int kApplyButton = 0x3021;

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
    ReplaceApplyButton();
}

// The new button has OK's id, so the sheet ends as by OK; only the flag
// tells the two apart.
void ColourSheet::ReplaceApplyButton()
{
    HWND apply = GetDlgItem(handle(), kApplyButton);
    RECT place;
    GetWindowRect(apply, &place);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&place), 2);
    std::string text = LoadText(instance_, IDS_APPLY_TO_ALL_TITLES);
    applyToAllButton_ = CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                                        handle(), reinterpret_cast<HMENU>(IDOK), instance_, nullptr);
    SendMessageA(applyToAllButton_, WM_SETFONT, SendMessageA(apply, WM_GETFONT, 0, 0), FALSE);
    ShowWindow(apply, SW_HIDE);
}

void ColourSheet::OnCommand(int id, int notifyCode, HWND control)
{
    if (control && control == applyToAllButton_)
        applyToAll_ = true;
}

}  // namespace editor
