#include "editor/section_menus_window.h"

#include "editor/forms/form_context.h"
#include "editor/section_icon.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

// Posted to itself: a pane's handler replaced an entry and has returned.
constexpr UINT kChooseReplaced = WM_APP + 0x100;

}  // namespace

bool SectionMenusWindow::OnCreate()
{
    if (!SectionWindow::OnCreate())
        return false;
    HWND parent = splitter().handle();
    pane_ = std::make_unique<MenuPane>(instance_, model_, history_, section_, handle());
    HWND right = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                 nullptr, instance_, nullptr);
    if (!pane_->Create(parent) || !right)
        return false;
    splitter().SetPanes(pane_->handle(), right);
    SetIcons();
    SendMessageA(handle(), UM_SET_PROMPT, IDS_SECTION_PROMPT, 0);
    return true;
}

LRESULT SectionMenusWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_SHOW_FORM) {
        shownForm_ = wParam;
        ShowPane(wParam);
        return 0;
    }
    if (message == kChooseReplaced) {
        pane_->ShowChanged(replaced_);
        return 0;
    }
    return SectionWindow::OnMessage(message, wParam, lParam);
}

// The same class of pane shows the new node; another class replaces it,
// after the old one has committed.
void SectionMenusWindow::ShowPane(WPARAM showFormWord)
{
    PaneClass kind = PaneFor(showFormWord);
    if (kind == PaneClass::Unchanged)
        return;
    if (form_)
        form_->Commit();
    if (kind != shownClass_)
        ReplacePane(kind);
    if (form_)
        form_->Show(Subject());
}

void SectionMenusWindow::ReplacePane(PaneClass kind)
{
    std::unique_ptr<RightPane> form =
        MakeForm(kind, FormContext{instance_, model_, history_, section_, *this, paths_}, splitter().handle());
    HWND right = form ? form->handle()
                      : CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD, 0, 0, 0, 0,
                                        splitter().handle(), nullptr, instance_, nullptr);
    if (!right)
        return;
    ShowWindow(right, SW_SHOW);
    HWND old = splitter().ReplaceRight(right);
    std::unique_ptr<RightPane> oldForm = std::move(form_);
    form_ = std::move(form);
    shownClass_ = kind;
    if (oldForm)
        oldForm.reset();  // the dialog's object destroys its window
    else
        DestroyWindow(old);
}

bool SectionMenusWindow::CommitEdits()
{
    if (!form_ || form_->Commit())
        return true;
    // The refused field keeps the focus in the window that comes forward.
    HWND field = GetFocus();
    SendMessageA(GetParent(handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle()), 0);
    SetFocus(field);
    return false;
}

void SectionMenusWindow::EntryChanged(const EntryPath& path)
{
    pane_->RefreshEntry(path);
}

void SectionMenusWindow::EntryReplaced(const EntryPath& path)
{
    replaced_ = path;
    PostMessageA(handle(), kChooseReplaced, 0, 0);
}

void SectionMenusWindow::SetIcons()
{
    largeIcon_ = SectionIcon(instance_, section_.values(), false);
    smallIcon_ = SectionIcon(instance_, section_.values(), true);
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

}  // namespace editor
