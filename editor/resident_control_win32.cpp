#include "editor/resident_control.h"

#include "editor/close_resident_dialog.h"
#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "win32/process_start.h"

namespace editor {

namespace {

const char kResidentClass[] = "Q-Fendix";

// The process of a window, to wait for; taken while the window still exists.
win32::UniqueKernelHandle ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return win32::UniqueKernelHandle(OpenProcess(SYNCHRONIZE, FALSE, processId));
}

}  // namespace

HWND ResidentControl::FindResident()
{
    HWND window = FindWindowA(kResidentClass, nullptr);
    return window && IsWindow(window) ? window : nullptr;
}

void ResidentControl::CloseAtStart(HWND owner)
{
    closed_ = false;
    HWND resident = FindResident();
    if (!resident)
        return;
    settings::IniFile file(paths_.settingsPath);
    if (file.ReadInt(settings::kMainSection, settings::kAutoCloseMain, 0) == 0) {
        CloseResidentDialog dialog;
        INT_PTR answer = dialog.Run(instance_, owner);
        if (dialog.automatically())
            file.WriteInt(settings::kMainSection, settings::kAutoCloseMain, 1);
        if (answer != IDOK)
            return;
    }
    // Posted, not sent: a resident busy or hung cannot hold the editor, and
    // it closes whenever it gets to its queue. The editor gives it a while
    // to end before going on.
    win32::UniqueKernelHandle process = ProcessOf(resident);
    PostMessageA(resident, WM_CLOSE, 0, 0);
    closed_ = true;
    if (process)
        WaitForSingleObject(process.get(), kCloseWaitMs);
}

void ResidentControl::Start(HWND owner)
{
    restarted_ = true;
    win32::UniqueKernelHandle process =
        win32::StartProcess(win32::ProgramCommandLine(paths_.residentPath, ""), owner, kResidentClass);
    if (process)
        WaitForInputIdle(process.get(), kStartWaitMs);
}

void ResidentControl::RestartAtExit(HWND owner)
{
    if (restarted_ || FindResident())
        return;
    if (!closed_) {
        std::string question = LoadText(instance_, IDS_RESTART_RESIDENT);
        std::string caption = LoadText(instance_, IDS_APP_TITLE);
        if (MessageBoxA(owner, question.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    Start(owner);
}

void ResidentControl::RestartIfClosed()
{
    if (closed_ && !restarted_ && !FindResident())
        Start(nullptr);
}

}  // namespace editor
