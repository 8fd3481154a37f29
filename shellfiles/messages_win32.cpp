#include "shellfiles/messages.h"

#include <windows.h>
#include "win32/system_error_text.h"

namespace shellfiles {

const char kProductName[] = "Q-Fendix";

void ShowFileError(const std::string& path, unsigned long error)
{
    if (error == 0)
        error = GetLastError();
    char text[255];
    win32::SystemErrorText(text, sizeof text, error);
    std::string message = std::string(text) + "\n" + path;
    MessageBoxA(GetActiveWindow(), message.c_str(), kProductName, MB_ICONEXCLAMATION);
}

void ShowProblem(const std::string& text)
{
    MessageBoxA(GetActiveWindow(), text.c_str(), kProductName, MB_ICONEXCLAMATION);
}

void ExitAbnormally()
{
    // The status of abort(), without the runtime's own message box.
    ExitProcess(3);
}

}  // namespace shellfiles
