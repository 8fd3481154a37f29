#pragma once
#include <string>

namespace win32 {

// The full path of the running program, however long.
std::string ThisProgramPath();

}  // namespace win32
