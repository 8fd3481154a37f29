#pragma once
#include <string>

namespace shellfiles {

// The shell's display name of a path, or of the special folder that "&#N"
// names (N its CSIDL value); empty when the shell knows none.
std::string ShellDisplayName(const std::string& path);

}  // namespace shellfiles
