#pragma once
// A section's window: the tabs and the menu tree on the left, whose
// commands it runs; nothing yet on the right.
#include <windows.h>
#include <memory>
#include "editor/section.h"
#include "editor/section/menu_pane.h"
#include "editor/section_window.h"
#include "win32/unique_handle.h"

namespace editor {

class SectionMenusWindow : public SectionWindow {
public:
    SectionMenusWindow(HINSTANCE instance, SettingsModel& model, ChangeHistory& history, const Section& section)
        : SectionWindow(&section), instance_(instance), model_(model), history_(history), section_(section)
    {
    }
    MenuPane& pane() noexcept { return *pane_; }
    // What the right pane was last asked to show (UM_SHOW_FORM).
    WPARAM shownForm() const noexcept { return shownForm_; }

    bool QueryCommand(int id, win32::CommandState& state) override
    {
        return pane_ && pane_->QueryCommand(id, state);
    }
    bool RunCommand(int id) override { return pane_ && pane_->RunCommand(id); }

protected:
    bool OnCreate() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetIcons();

    HINSTANCE instance_;
    SettingsModel& model_;
    ChangeHistory& history_;
    const Section& section_;
    std::unique_ptr<MenuPane> pane_;
    WPARAM shownForm_ = 0;
    win32::UniqueIcon largeIcon_, smallIcon_;
};

}  // namespace editor
