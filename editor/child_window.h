#pragma once
// A window in the frame's MDI client: a section's window, the options
// window or the template window. Its kind and subject (the section it shows,
// none for the other two) identify it; titles may repeat in a hand-edited
// settings file and never pick a window.
#include <windows.h>
#include <functional>
#include <string>
#include "editor/window_kind.h"
#include "win32/command_target.h"
#include "win32/mdi_child.h"

namespace editor {

class ChildWindow : public win32::MdiChild, public win32::CommandTarget {
public:
    // The idle text "ﾚﾃﾞｨ" until the contents set their own.
    static constexpr UINT kIdlePrompt = 57345;

    ChildWindow(WindowKind kind, const void* subject) : kind_(kind), subject_(subject) {}

    static bool RegisterClass(HINSTANCE instance);
    bool Create(HWND mdiClient, const std::string& title);

    WindowKind kind() const noexcept { return kind_; }
    const void* subject() const noexcept { return subject_; }
    // The string id of the status text while the window is active.
    UINT prompt() const noexcept { return prompt_; }
    // Called once when the window is gone, just before the object is deleted.
    void SetGone(std::function<void(ChildWindow&)> gone) { gone_ = std::move(gone); }
    // The frame is idle: bring what the window shows of the model up to date.
    virtual void OnIdle() {}
    // The child dialog shown in the window, whose fields take the dialog
    // keys; null when there is none.
    virtual HWND CurrentForm() const { return nullptr; }

protected:
    // The window exists: make the contents. False ends the creation.
    virtual bool OnCreate() { return true; }
    // Writes pending edits of the contents into the model (UM_COMMIT_EDITS,
    // which answers 1 for a refusal). False when a value was refused: the
    // user has been told and the field has the focus.
    virtual bool CommitEdits() { return true; }
    // The client area changed size: lay out the contents.
    virtual void OnSize(int width, int height) {}

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;

private:
    WindowKind kind_;
    const void* subject_;
    UINT prompt_ = kIdlePrompt;
    std::function<void(ChildWindow&)> gone_;
};

}  // namespace editor
