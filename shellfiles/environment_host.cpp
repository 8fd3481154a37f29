#include "shellfiles/environment.h"

#include <cstdlib>

namespace shellfiles {

bool LookUpEnvironment(const std::string& name, std::string& value)
{
    const char* found = std::getenv(name.c_str());
    if (!found || !*found)
        return false;
    value = found;
    return true;
}

}  // namespace shellfiles
