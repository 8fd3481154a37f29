#pragma once
#include <windows.h>
#include <string>

namespace setup {

// A file that the setup could not write: its file error (string 61856 +
// the cause, with the path), then the end of the program with status 3, so
// that the installation is not stamped as done and the resident not started.
[[noreturn]] void FailOnFile(DWORD error, const std::string& path);

}  // namespace setup
