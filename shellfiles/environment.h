#pragma once
#include <string>

namespace shellfiles {

// The value of an environment variable of this process, of any length.
// False when the variable is not set or its value is empty.
bool LookUpEnvironment(const std::string& name, std::string& value);

}  // namespace shellfiles
