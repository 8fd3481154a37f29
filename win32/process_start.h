#pragma once
// Starting a program by command line, the way all three programs do it.
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"

namespace win32 {

// Starts the command line shown the default way, in the caller's folder and
// environment. On failure shows the system error text and the command line
// (MB_ICONERROR, over owner, with caption) and returns no process. Nobody
// waits for the program; dropping the handle only closes it.
UniqueKernelHandle StartProcess(const std::string& commandLine, HWND owner, const char* caption);

// A command line that starts the program at programPath with arguments
// (empty for none). The path is quoted so that a folder with spaces cannot
// make Windows start a program named by the first word of the path.
std::string ProgramCommandLine(const std::string& programPath, const std::string& arguments);

}  // namespace win32
