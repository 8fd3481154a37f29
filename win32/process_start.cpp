#include "win32/process_start.h"

#include <vector>
#include "win32/system_error_text.h"

namespace win32 {

UniqueKernelHandle StartProcess(const std::string& commandLine, HWND owner, const char* caption)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWDEFAULT;
    PROCESS_INFORMATION info = {};
    // CreateProcessA may write into the command line.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &startup, &info)) {
        DWORD error = GetLastError();
        char text[256];
        SystemErrorText(text, sizeof text, error);
        std::string message = std::string(text) + "\n" + commandLine;
        MessageBoxA(owner, message.c_str(), caption, MB_ICONERROR);
        return {};
    }
    CloseHandle(info.hThread);
    return UniqueKernelHandle(info.hProcess);
}

std::string ProgramCommandLine(const std::string& programPath, const std::string& arguments)
{
    std::string line = "\"" + programPath + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    return line;
}

}  // namespace win32
