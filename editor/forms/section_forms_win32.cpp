#include "editor/forms/section_forms.h"

#include "editor/forms/entry_form.h"
#include "editor/forms/menu_options_form.h"
#include "editor/forms/tray_options_form.h"

namespace editor {

namespace {

// Posted to itself: a form replaced its entry and its handler has returned.
constexpr UINT kChooseReplaced = WM_APP + 0x101;

}  // namespace

SectionForms::~SectionForms()
{
    form_.reset();
}

HWND SectionForms::Create(HWND parent)
{
    bool made = RegisterClassOnce(kFormsClassName, COLOR_BTNFACE) &&
                Window::Create(WS_EX_CONTROLPARENT, kFormsClassName, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                               parent, nullptr, GetModuleHandleA(nullptr));
    return made ? handle() : nullptr;
}

// A form never outlives the node it shows: its entry's path may name
// another entry once the tree has changed.
bool SectionForms::Show(const ChosenNode& node)
{
    if (form_)
        form_->Commit();
    FormKind kind = FormKindOf(node.kind, node.shortcut);
    if (kind != kind_ || kind == FormKind::None) {
        form_.reset();
        kind_ = FormKind::None;
        form_ = MakeForm(kind);
        if (!form_)
            return false;
        kind_ = kind;
        ShowWindow(form_->handle(), SW_SHOW);
    }
    subject_ = {node.side, node.path};
    form_->Show(subject_);
    return true;
}

std::unique_ptr<FormView> SectionForms::MakeForm(FormKind kind)
{
    std::unique_ptr<FormView> form;
    switch (kind) {
    case FormKind::ShortcutItem:
    case FormKind::FileItem:
    case FormKind::Group:
    case FormKind::Separator:
    case FormKind::Title:
        form = std::make_unique<EntryForm>(context_, kind);
        break;
    case FormKind::TrayOptions:
        form = std::make_unique<TrayOptionsForm>(context_);
        break;
    case FormKind::LeftMenuOptions:
    case FormKind::RightMenuOptions:
        form = std::make_unique<MenuOptionsForm>(context_, kind == FormKind::LeftMenuOptions ? kLeft : kRight);
        break;
    default:
        return nullptr;
    }
    return form->Create(handle()) ? std::move(form) : nullptr;
}

bool SectionForms::CommitEdits()
{
    return !form_ || form_->Commit();
}

LRESULT SectionForms::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kReloadMenuOptions) {
        if (form_ && (kind_ == FormKind::LeftMenuOptions || kind_ == FormKind::RightMenuOptions))
            form_->Show(subject_);
        return 0;
    }
    if (message == kChooseReplaced) {
        tree_.EntryChanged(replaced_, EntryUpdate::Structure);
        return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
}

void SectionForms::EntryChanged(const EntryPath& path)
{
    tree_.EntryChanged(path, EntryUpdate::TextAndImage);
}

void SectionForms::EntryReplaced(const EntryPath& path)
{
    replaced_ = path;
    PostMessageA(handle(), kChooseReplaced, 0, 0);
}

}  // namespace editor
