#pragma once
// Form 5311: how the resident draws one side's menu (texts and their
// width, icons and their size), with a preview drawn by the resident's own
// renderer. Every change is stored at once as a change of the section.
#include "editor/forms/form_view.h"
#include "editor/forms/option_states.h"
#include "editor/step_kind.h"

namespace editor {

// Sent to every window of the forms after "すべてのメニューを同じに設定":
// a menu options form shows the section's values again.
constexpr UINT kReloadMenuOptions = WM_APP + 0x102;
// The class of the windows that hold the forms.
inline constexpr char kFormsClassName[] = "OmbrixForms";

// Every menu options form open under root shows its section's values again:
// after a change of every section at once, or after its undo or redo.
void ReloadMenuOptionForms(HWND root);

class MenuOptionsForm : public FormView {
public:
    MenuOptionsForm(const FormContext& context, Side side)
        : FormView(context.instance), context_(context), side_(side)
    {
    }
    bool Create(HWND parent) override;
    bool Commit() override;
    void Show(const FormSubject& subject) override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnDrawItem(int controlId, const DRAWITEMSTRUCT& item) override;

private:
    void ShowState();
    void UpdateEnabling();
    bool Store(StepKind kind = StepKind::Options);
    void OnShowClicked(int id);
    void OnTrack(int code);
    void MakeAllTheSame();
    void DrawPreview(const DRAWITEMSTRUCT& item);

    FormContext context_;
    Side side_;
    MenuOptionState state_;
    win32::UniqueIcon smallDefault_, largeDefault_;
};

}  // namespace editor
