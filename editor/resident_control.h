#pragma once
// The resident while the editor runs. At start the editor closes it (asking
// first unless [Main] AutoCloseMain is 1), so that it does not go on with
// the files as they were; every way out of the editor starts it again when
// the editor closed it. Waits on the resident are bounded: a hung resident
// never hangs the editor.
#include <windows.h>
#include <string>
#include "editor/editor_paths.h"

namespace editor {

class ResidentControl {
public:
    // How long a closing resident is given to end, and a started one to
    // become ready for input.
    static constexpr DWORD kCloseWaitMs = 10000;
    static constexpr DWORD kStartWaitMs = 10000;

    ResidentControl(HINSTANCE instance, const EditorPaths& paths) : instance_(instance), paths_(paths) {}

    // The resident's window, or null when it is not running.
    static HWND FindResident();

    void CloseAtStart(HWND owner);
    bool closedByEditor() const noexcept { return closed_; }
    // The normal end: started again when the editor closed it; when it is
    // not running for another reason, after question 5373.
    void RestartAtExit(HWND owner);
    // An abnormal end or the end of the session: started again, without a
    // question, only when the editor closed it.
    void RestartIfClosed();

private:
    void Start(HWND owner);

    HINSTANCE instance_;
    const EditorPaths& paths_;
    bool closed_ = false;
    bool restarted_ = false;
};

}  // namespace editor
