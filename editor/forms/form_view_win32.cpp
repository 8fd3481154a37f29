#include "editor/forms/form_view.h"

#include <commctrl.h>
#include <windowsx.h>
#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

const int kToolTipButtons[] = {IDC_ICON_BUTTON, IDC_PATH_MENU};

}  // namespace

bool FormView::CreateFrom(int templateId, HWND parent)
{
    return CreateModeless(instance_, templateId, parent);
}

bool FormView::OnInit()
{
    AddToolTips();
    return true;
}

void FormView::AddToolTips()
{
    toolTips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, handle(),
                                nullptr, instance_, nullptr);
    for (int id : kToolTipButtons) {
        if (!Item(id))
            continue;
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
        tool.hinst = instance_;
        tool.lpszText = MAKEINTRESOURCEA(id);
        SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

INT_PTR FormView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU) {
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ShowContextMenu(at);
        return TRUE;
    }
    // Enter and Esc, before the forms' own command handlers.
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        return Dialog::OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    return Dialog::OnMessage(message, wParam, lParam);
}

// The commands come back to this form through WM_COMMAND; those it does
// not run are greyed.
void FormView::ShowContextMenu(POINT at)
{
    win32::UniqueMenu menus(LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_CONTEXT_MENUS)));
    HMENU form = menus ? GetSubMenu(menus.get(), CONTEXT_FORM) : nullptr;
    if (!form)
        return;
    std::vector<HMENU> pending{form};
    while (!pending.empty()) {
        HMENU menu = pending.back();
        pending.pop_back();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (HMENU sub = GetSubMenu(menu, i)) {
                pending.push_back(sub);
                continue;
            }
            UINT id = GetMenuItemID(menu, i);
            if (id != 0 && id != static_cast<UINT>(-1))
                EnableMenuItem(menu, i, MF_BYPOSITION | (Handles(static_cast<int>(id)) ? MF_ENABLED : MF_GRAYED));
        }
    }
    if (at.x == -1 && at.y == -1)
        GetCursorPos(&at);
    TrackPopupMenu(form, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, handle(), nullptr);
}

std::string FormView::Text(int id) const
{
    HWND control = Item(id);
    std::string text(control ? GetWindowTextLengthA(control) + 1 : 1, '\0');
    if (control)
        text.resize(GetWindowTextA(control, &text[0], static_cast<int>(text.size())));
    else
        text.clear();
    return text;
}

void FormView::SetText(int id, const std::string& text)
{
    SetDlgItemTextA(handle(), id, text.c_str());
}

void FormView::Enable(int id, bool enabled)
{
    if (HWND control = Item(id))
        EnableWindow(control, enabled);
}

int FormView::Ask(UINT textId, UINT type) const
{
    return Tell(LoadText(instance_, textId), type);
}

int FormView::Tell(const std::string& text, UINT type) const
{
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    return MessageBoxA(GetAncestor(handle(), GA_ROOT), text.c_str(), caption.c_str(), type);
}

void FormView::SetButtonIcon(int id, win32::UniqueIcon icon, win32::UniqueIcon& holder)
{
    SendDlgItemMessageA(handle(), id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
    holder = std::move(icon);
}

void FormView::RefuseRange(int id, int low, int high) const
{
    std::string text = LoadText(instance_, IDS_RANGE_ERROR);
    for (auto [mark, value] : {std::pair<const char*, int>{"%1", low}, {"%2", high}}) {
        size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, 2, std::to_string(value));
    }
    Tell(text, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(Item(id));
    SendDlgItemMessageA(handle(), id, EM_SETSEL, 0, -1);
}

}  // namespace editor
