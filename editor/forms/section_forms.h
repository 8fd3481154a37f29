#pragma once
// The forms of one section window's right pane: a window that holds the
// form of the node chosen in the tree, made anew when the kind of form
// changes and committed before it shows another node.
#include <windows.h>
#include <memory>
#include "editor/forms/form_context.h"
#include "editor/forms/form_kind.h"
#include "editor/forms/form_view.h"
#include "editor/section/section_panes.h"
#include "win32/window.h"

namespace editor {

// What the forms of every section window share.
struct FormSettings {
    HINSTANCE instance;
    SettingsModel& model;
    ChangeHistory& history;
    ChangeHistory& frameHistory;
    FormPaths paths;
};

class SectionForms : public FormPane, private FormHost, private win32::Window {
public:
    SectionForms(const FormSettings& settings, const Section& section, TreeUpdates& tree)
        : context_{settings.instance, settings.model, settings.history, settings.frameHistory,
                   section,           *this,          settings.paths},
          tree_(tree)
    {
    }
    ~SectionForms() override;

    HWND Create(HWND parent) override;
    bool Show(const ChosenNode& node) override;
    bool CommitEdits() override;
    HWND CurrentForm() const override { return form_ ? form_->handle() : nullptr; }
    // The form shown; nullptr while the list is.
    FormView* form() const noexcept { return form_.get(); }
    FormKind kind() const noexcept { return kind_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::unique_ptr<FormView> MakeForm(FormKind kind);
    void EntryChanged(const EntryPath& path) override;
    void EntryReplaced(const EntryPath& path) override;

    FormContext context_;
    TreeUpdates& tree_;
    std::unique_ptr<FormView> form_;
    FormKind kind_ = FormKind::None;
    FormSubject subject_{kOptionsTab, {}};
    EntryPath replaced_;
};

}  // namespace editor
