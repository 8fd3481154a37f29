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

// Until the resident's process has ended, at most timeoutMs.
void WaitForEnd(HWND resident, DWORD timeoutMs)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(resident, &processId);
    win32::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (process)
        WaitForSingleObject(process.get(), timeoutMs);
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
    // A resident that does not answer is not waited for without end.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(resident, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kCloseWaitMs, &result);
    closed_ = true;
    WaitForEnd(resident, kCloseWaitMs);
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
