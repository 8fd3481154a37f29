#pragma once
// A section's window: the tabs and the menu tree on the left, whose
// commands it runs, and on the right the pane of the chosen node.
#include <windows.h>
#include <memory>
#include "editor/forms/form_context.h"
#include "editor/section.h"
#include "editor/section/menu_pane.h"
#include "editor/section/right_pane.h"
#include "editor/section_window.h"
#include "win32/unique_handle.h"

namespace editor {

class SectionMenusWindow : public SectionWindow, private PaneHost {
public:
    SectionMenusWindow(HINSTANCE instance, SettingsModel& model, ChangeHistory& history, const Section& section,
                       FormPaths paths = {})
        : SectionWindow(&section), instance_(instance), model_(model), history_(history), section_(section),
          paths_(std::move(paths))
    {
    }
    MenuPane& pane() noexcept { return *pane_; }
    // What the right pane was last asked to show (UM_SHOW_FORM).
    WPARAM shownForm() const noexcept { return shownForm_; }
    // The form in the right pane; nullptr while the pane shows no form.
    RightPane* form() const noexcept { return form_.get(); }

    bool QueryCommand(int id, win32::CommandState& state) override
    {
        return pane_ && pane_->QueryCommand(id, state);
    }
    // A form's pending edit reaches its entry before the tree's command
    // moves the entries about.
    bool RunCommand(int id) override { return pane_ && CommitEdits() && pane_->RunCommand(id); }

protected:
    bool OnCreate() override;
    bool CommitEdits() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetIcons();
    void ShowPane(WPARAM showFormWord);
    void ReplacePane(PaneClass kind);
    PaneSubject Subject() const { return {pane_->side(), pane_->current()}; }
    void EntryChanged(const EntryPath& path) override;
    void EntryReplaced(const EntryPath& path) override;

    HINSTANCE instance_;
    SettingsModel& model_;
    ChangeHistory& history_;
    const Section& section_;
    FormPaths paths_;
    std::unique_ptr<MenuPane> pane_;
    WPARAM shownForm_ = 0;
    PaneClass shownClass_ = PaneClass::List;
    std::unique_ptr<RightPane> form_;
    EntryPath replaced_;  // the entry to choose again, once a pane's handler is done
    win32::UniqueIcon largeIcon_, smallIcon_;
};

}  // namespace editor
