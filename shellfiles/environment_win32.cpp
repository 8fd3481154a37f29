#include "shellfiles/environment.h"

#include <windows.h>
#include <vector>

namespace shellfiles {

bool LookUpEnvironment(const std::string& name, std::string& value)
{
    std::vector<char> buffer(128);
    for (;;) {
        DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return false;
        if (length < buffer.size()) {
            value.assign(buffer.data(), length);
            return true;
        }
        // Too small: length is the size needed, terminator included. The
        // variable may grow between the calls, hence the loop.
        buffer.resize(length);
    }
}

}  // namespace shellfiles
