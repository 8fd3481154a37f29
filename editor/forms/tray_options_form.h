#pragma once
// Form 5358: the tray icon's normal ("Up") and pressed ("Down") icons and
// its flags (Up=Down, the calendar), with a preview of the icon the tray
// shows. The boxes are stored by the commit; an icon chosen or the
// defaults are stored at once.
#include "editor/forms/form_view.h"
#include "editor/forms/option_states.h"

namespace editor {

class TrayOptionsForm : public FormView {
public:
    explicit TrayOptionsForm(const FormContext& context) : FormView(context.instance), context_(context) {}
    bool Create(HWND parent) override;
    bool Commit() override;
    void Show(const FormSubject& subject) override;

protected:
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnDrawItem(int controlId, const DRAWITEMSTRUCT& item) override;

private:
    TrayState Boxes() const;
    void ShowIcons();
    void UpdateEnabling();
    void ChooseIcon(bool pressed);
    void BackToDefaults();
    void TellSectionChanged();

    FormContext context_;
    TrayState state_;
    win32::UniqueIcon normalIcon_, pressedIcon_;
};

}  // namespace editor
