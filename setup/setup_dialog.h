#pragma once
// The small window of the setup: three steps one second apart, each marked
// done as it completes, with a progress bar.
#include <windows.h>
#include "setup/setup_steps.h"
#include "setup/title_button.h"
#include "win32/dialog.h"
#include "win32/html_help.h"
#include "win32/unique_handle.h"

namespace setup {

class SetupDialog : public win32::Dialog {
public:
    static constexpr UINT kStepDelayMs = 1000;

    // A test may give the user more time before each step.
    SetupDialog(HINSTANCE instance, SetupSteps& steps, UINT stepDelayMs = kStepDelayMs);
    INT_PTR Run(HWND parent = nullptr);

private:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // Only the last step closes the dialog.
    void OnOK() override {}
    void OnTimer(UINT_PTR timerId) override;
    bool OnDrawItem(int controlId, const DRAWITEMSTRUCT& item) override;
    void OnHelp(const HELPINFO& request) override;

    void SetStepTexts();
    void PlaceDoneMarks();
    void MarkDone(int step);
    void SetProgress(int percent);
    void CentreOnDesktop();

    HINSTANCE instance_;
    SetupSteps& steps_;
    UINT stepDelayMs_;
    HICON icon_;  // shared resource icon, not destroyed
    TitleButton title_;
    win32::UniqueIcon marks_[3];
    win32::HtmlHelpControl help_;
};

}  // namespace setup
