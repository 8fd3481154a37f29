#pragma once
// A section's window: the tabs and the menu tree on the left, whose
// commands it runs, and the list or a form on the right. Its title is the
// section's name, marked while the section has edits that Save all has not
// written.
#include <windows.h>
#include <memory>
#include "editor/section.h"
#include "editor/section/item_list.h"
#include "editor/section/menu_pane.h"
#include "editor/section/section_panes.h"
#include "editor/section_window.h"
#include "win32/unique_handle.h"

namespace editor {

class SectionMenusWindow : public SectionWindow {
public:
    // Without forms every node shows the item list.
    SectionMenusWindow(HINSTANCE instance, SettingsModel& model, ChangeHistory& history, const Section& section,
                       FormPaneFactory makeForms = {})
        : SectionWindow(&section),
          instance_(instance),
          model_(model),
          history_(history),
          section_(section),
          makeForms_(std::move(makeForms))
    {
    }
    MenuPane& pane() noexcept { return *pane_; }
    ItemList& list() noexcept { return list_; }
    // What the right pane was last asked to show (UM_SHOW_FORM).
    WPARAM shownForm() const noexcept { return shownForm_; }

    // The test display's commands, then the tree's.
    bool QueryCommand(int id, win32::CommandState& state) override;
    bool RunCommand(int id) override;
    void OnIdle() override;
    HWND CurrentForm() const override { return forms_ ? forms_->CurrentForm() : nullptr; }

protected:
    bool OnCreate() override;
    bool CommitEdits() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetIcons();
    // The side a test display command shows; kOptionsTab for none.
    int TestSide(int id) const;
    // The node's form, or the list for a node without one.
    void ShowForm(WPARAM form);
    void ShowRight(HWND pane);
    void FitForm();

    HINSTANCE instance_;
    SettingsModel& model_;
    ChangeHistory& history_;
    const Section& section_;
    FormPaneFactory makeForms_;
    std::unique_ptr<MenuPane> pane_;
    ItemList list_;
    std::unique_ptr<FormPane> forms_;
    HWND formsWindow_ = nullptr;
    WPARAM shownForm_ = 0;
    win32::UniqueIcon largeIcon_, smallIcon_;
};

}  // namespace editor
