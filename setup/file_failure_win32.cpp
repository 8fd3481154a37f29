#include "setup/file_failure.h"

#include "shellfiles/messages.h"
#include "win32/file_error_report.h"

namespace setup {

void FailOnFile(DWORD error, const std::string& path)
{
    win32::ShowFileError({GetActiveWindow(), GetModuleHandleA(nullptr), shellfiles::kProductName}, error, path);
    shellfiles::ExitAbnormally();
}

}  // namespace setup
