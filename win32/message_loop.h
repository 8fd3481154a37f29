#pragma once
// The message loop of a program with modeless dialogs, an MDI client and an
// accelerator table. Before a message is translated it is offered to the
// modeless dialogs, then to the MDI system keys (Ctrl+F4, Ctrl+F6), then to
// the accelerators, then to the form of the active document, whose fields
// take the dialog keys (Tab, Enter, Esc, arrows, mnemonics). Idle work runs
// once each time the queue runs dry.
#include <windows.h>
#include <functional>
#include <vector>

namespace win32 {

class MessageLoop {
public:
    void AddModeless(HWND dialog) { modeless_.push_back(dialog); }
    void RemoveModeless(HWND dialog);
    void SetMdiClient(HWND client) { mdiClient_ = client; }
    // Accelerators go to target as WM_COMMAND; the table is borrowed.
    void SetAccelerators(HWND target, HACCEL table);
    void SetIdle(std::function<void()> idle) { idle_ = std::move(idle); }
    // Asked at each key: the child dialog shown in the active document, or
    // null. Empty to stop asking.
    void SetCurrentForm(std::function<HWND()> form) { currentForm_ = std::move(form); }

    // Runs until WM_QUIT and returns its exit code.
    int Run();
    // Handles every message waiting, without blocking, then the idle work.
    // False when WM_QUIT came: it is posted again for the outer loop.
    bool Pump();
    // Whether the loop consumed the message before translation.
    bool PreTranslate(MSG& message) const;

private:
    void Handle(MSG& message) const;
    bool Accelerate(MSG& message) const;
    bool IsFormMessage(MSG& message) const;

    std::vector<HWND> modeless_;
    HWND mdiClient_ = nullptr;
    HWND accelTarget_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::function<void()> idle_;
    std::function<HWND()> currentForm_;
};

// Whether the key of the message is one an edit control with the focus
// uses itself (copy, cut, paste, undo and their older forms), so that an
// accelerator table must not take it away.
bool IsEditControlKey(const MSG& message, HWND focus);

}  // namespace win32
