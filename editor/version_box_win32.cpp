#include "editor/version_box.h"

#include "win32/process_start.h"

namespace editor {

bool RunVersionBox(HWND frame, const std::string& assistantPath, win32::MessageLoop& loop)
{
    win32::UniqueKernelHandle process =
        win32::StartProcess(win32::ProgramCommandLine(assistantPath, ""), frame, "Q-Fendix");
    if (!process)
        return false;
    EnableWindow(frame, FALSE);
    HANDLE waited = process.get();
    // A WM_QUIT ends the wait too; Pump posts it again for the outer loop.
    while (MsgWaitForMultipleObjects(1, &waited, FALSE, 1000, QS_ALLINPUT) != WAIT_OBJECT_0 && loop.Pump()) {
    }
    EnableWindow(frame, TRUE);
    // The box was the active window: give the activation back to the
    // editor rather than to whichever window the system picks.
    SetForegroundWindow(frame);
    return true;
}

}  // namespace editor
