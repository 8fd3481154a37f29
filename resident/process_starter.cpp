#include "resident/process_starter.h"

#include "resident/app.h"
#include "win32/process_start.h"

namespace resident {

win32::UniqueKernelHandle StartProcess(const std::string& commandLine)
{
    const App& app = TheApp();
    return win32::StartProcess(commandLine, app.mainWindow, app.productCaption);
}

std::string ProgramCommandLine(const std::string& programPath, const std::string& arguments)
{
    return win32::ProgramCommandLine(programPath, arguments);
}

}  // namespace resident
