#pragma once
#include <string>
#include <windows.h>

namespace setup {

// The file error of a failed file operation as the framework words it: the
// text for the error's cause (file not found, access denied, disk full, ...)
// with %1 replaced by the path, in a plain box.
void ShowFileError(DWORD error, const std::string& path);

// The cause number of a system error code (0 none, 1 generic, 2 file not
// found, ... 14 end of file).
int FileErrorCause(DWORD error);

}  // namespace setup
