#pragma once
// A form in the right pane: a child dialog from its template, with tool
// tips for the buttons whose string id equals their control id, the
// context menu "popform" on a right click, and a loading flag that keeps
// its own filling from counting as the user's edits.
#include <windows.h>
#include <string>
#include "editor/forms/form_context.h"
#include "win32/dialog.h"
#include "win32/unique_handle.h"

namespace editor {

class FormView : public win32::Dialog {
public:
    explicit FormView(HINSTANCE instance) : instance_(instance) {}
    virtual bool Create(HWND parent) = 0;
    // Writes pending edits into the model. False when a value was refused:
    // the user has been told and the field has the focus.
    virtual bool Commit() = 0;
    // Shows the subject from the model again (another node of the same
    // kind, or the same one after a change).
    virtual void Show(const FormSubject& subject) = 0;

protected:
    bool CreateFrom(int templateId, HWND parent);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInit() override;
    // Return in a field writes it, as leaving it would; Escape must not end
    // a child dialog.
    void OnOK() override { Commit(); }
    void OnCancel() override {}
    // Whether the form runs the command of popform now.
    virtual bool Handles(int command) const { return false; }

    HINSTANCE instance() const noexcept { return instance_; }
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    bool Checked(int id) const { return IsDlgButtonChecked(handle(), id) == BST_CHECKED; }
    void Check(int id, bool checked) { CheckDlgButton(handle(), id, checked ? BST_CHECKED : BST_UNCHECKED); }
    void Enable(int id, bool enabled);
    // The message box of the form, with the editor's caption.
    int Ask(UINT textId, UINT type) const;
    int Tell(const std::string& text, UINT type) const;
    // Shows icon on the button and keeps it (the old one is destroyed).
    void SetButtonIcon(int id, win32::UniqueIcon icon, win32::UniqueIcon& holder);
    // Tells the user that the number must lie in [low, high] and focuses
    // the field: the framework's range message 61714.
    void RefuseRange(int id, int low, int high) const;

    bool loading_ = false;

private:
    void AddToolTips();
    void ShowContextMenu(POINT at);

    HINSTANCE instance_;
    HWND toolTips_ = nullptr;
};

}  // namespace editor
