#pragma once
// The options window: the page "t.htm" above (in the HTML view, or its text
// where the system cannot render it) and form 5359 below, which edits
// MenuAutoHide in tenths of a second.
#include <memory>
#include "editor/change_history.h"
#include "editor/child_window.h"
#include "editor/forms/options_page.h"
#include "editor/settings_model.h"
#include "win32/dialog.h"
#include "win32/unique_handle.h"

namespace editor {

class AutoHideForm : public win32::Dialog {
public:
    AutoHideForm(HINSTANCE instance, SettingsModel& model, ChangeHistory& history)
        : instance_(instance), model_(model), history_(history)
    {
    }
    // False when the number was refused (61714): the field has the focus.
    bool Commit();

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override { Commit(); }
    void OnCancel() override {}

private:
    HINSTANCE instance_;
    SettingsModel& model_;
    ChangeHistory& history_;
    bool loading_ = false;
};

class OptionsWindow : public ChildWindow {
public:
    OptionsWindow(HINSTANCE instance, SettingsModel& model, ChangeHistory& history,
                  PageView view = SystemPageView())
        : ChildWindow(WindowKind::Options, nullptr), instance_(instance), view_(view), form_(instance, model, history)
    {
    }
    AutoHideForm& form() noexcept { return form_; }
    HWND page() const noexcept { return page_; }
    HWND CurrentForm() const override { return form_.handle(); }

protected:
    bool OnCreate() override;
    bool CommitEdits() override { return form_.Commit(); }
    void OnSize(int width, int height) override;

private:
    HINSTANCE instance_;
    PageView view_;
    AutoHideForm form_;
    HWND page_ = nullptr;
    win32::UniqueIcon icon_;
};

}  // namespace editor
