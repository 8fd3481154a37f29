#pragma once
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"

namespace resident {

// Starts a program by command line, shown the default way, in the
// resident's own folder and environment. On failure shows the system error
// text and the command line over the main window and returns no process.
// Nobody waits for the program; dropping the handle only closes it.
win32::UniqueKernelHandle StartProcess(const std::string& commandLine);

// A command line that starts the program at programPath with arguments
// (empty for none). The path is quoted so that a folder with spaces cannot
// make Windows start a program named by the first word of the path.
std::string ProgramCommandLine(const std::string& programPath, const std::string& arguments);

}  // namespace resident
