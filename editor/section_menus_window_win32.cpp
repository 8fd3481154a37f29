#include "editor/section_menus_window.h"

#include <algorithm>
#include "editor/section/test_display.h"
#include "editor/section_icon.h"
#include "resources/editor/resource_ids.h"

namespace editor {

bool SectionMenusWindow::OnCreate()
{
    if (!SectionWindow::OnCreate())
        return false;
    HWND parent = splitter().handle();
    pane_ = std::make_unique<MenuPane>(instance_, model_, history_, section_, handle());
    if (!pane_->Create(parent) || !list_.Create(parent, instance_, pane_->tree().images()))
        return false;
    if (makeForms_) {
        forms_ = makeForms_(section_, *pane_);
        formsWindow_ = forms_ ? forms_->Create(parent) : nullptr;
        if (!formsWindow_)
            return false;
    }
    splitter().SetPanes(pane_->handle(), list_.handle());
    ShowForm(shownForm_);
    SetIcons();
    SendMessageA(handle(), UM_SET_PROMPT, IDS_SECTION_PROMPT, 0);
    return true;
}

int SectionMenusWindow::TestSide(int id) const
{
    switch (id) {
    case ID_TEST_LEFT:
        return kLeft;
    case ID_TEST_RIGHT:
        return kRight;
    default:  // the form's: the side being edited
        return pane_->side();
    }
}

bool SectionMenusWindow::QueryCommand(int id, win32::CommandState& state)
{
    if (!pane_)
        return false;
    if (id == ID_TEST_LEFT || id == ID_TEST_RIGHT || id == ID_TEST_FORM) {
        state.enabled = TestSide(id) != kOptionsTab;
        return true;
    }
    return pane_->QueryCommand(id, state);
}

bool SectionMenusWindow::RunCommand(int id)
{
    if (!pane_)
        return false;
    // A form's pending edit reaches its entry before the tree's command
    // moves the entries about.
    if (id != ID_TEST_LEFT && id != ID_TEST_RIGHT && id != ID_TEST_FORM)
        return CommitEdits() && pane_->RunCommand(id);
    int side = TestSide(id);
    if (side != kOptionsTab)
        ShowTestDisplay(instance_, handle(), section_, static_cast<Side>(side));
    return true;
}

LRESULT SectionMenusWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_SECTION_CHANGED) {  // the tray form changed the section's icon
        SetIcons();
        return 0;
    }
    if (message == UM_SHOW_FORM) {
        shownForm_ = wParam;
        ShowForm(wParam);
        return 0;
    }
    return SectionWindow::OnMessage(message, wParam, lParam);
}

// The tree's first choice arrives before the right pane exists.
void SectionMenusWindow::ShowForm(WPARAM form)
{
    if (!list_.handle())
        return;
    ChosenNode node{static_cast<NodeKind>(LOWORD(form)), HIWORD(form) != 0, pane_->side(), pane_->current()};
    if (forms_ && forms_->Show(node)) {
        ShowRight(formsWindow_);
        FitForm();
        return;
    }
    list_.Show(node.side);
    ShowRight(list_.handle());
}

void SectionMenusWindow::ShowRight(HWND pane)
{
    HWND old = splitter().ReplaceRight(pane);
    ShowWindow(pane, SW_SHOW);
    if (old != pane)
        ShowWindow(old, SW_HIDE);
}

// No control of a form is cut off: the window grows by what the pane
// lacks, as far as the frame's client area allows.
void SectionMenusWindow::FitForm()
{
    HWND form = forms_->CurrentForm();
    RECT needed = {}, pane = {};
    if (!form || !GetWindowRect(form, &needed) || !GetClientRect(formsWindow_, &pane))
        return;
    SIZE lacking = {std::max(0L, needed.right - needed.left - pane.right),
                    std::max(0L, needed.bottom - needed.top - pane.bottom)};
    if (lacking.cx > 0 || lacking.cy > 0)
        Grow(lacking);
}

bool SectionMenusWindow::CommitEdits()
{
    // A name still being typed in the tree reaches its entry first: the
    // tree built again after a command would hand it to another node.
    if (pane_)
        TreeView_EndEditLabelNow(pane_->tree().handle(), FALSE);
    if (!forms_ || forms_->CommitEdits())
        return true;
    // The refused field keeps the focus in the window that comes forward.
    HWND field = GetFocus();
    SendMessageA(GetParent(handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle()), 0);
    SetFocus(field);
    return false;
}

void SectionMenusWindow::OnIdle()
{
    std::string title = SectionTitle(section_);
    char shown[512] = "";
    GetWindowTextA(handle(), shown, sizeof shown);
    if (title != shown)
        SetWindowTextA(handle(), title.c_str());
}

void SectionMenusWindow::SetIcons()
{
    largeIcon_ = SectionIcon(instance_, section_.values(), false);
    smallIcon_ = SectionIcon(instance_, section_.values(), true);
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

}  // namespace editor
