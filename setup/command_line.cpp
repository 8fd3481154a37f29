#include "setup/command_line.h"

#include <cstring>

namespace setup {

bool IsSetupMode(int argc, const char* const* argv)
{
    bool setup = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (argument[0] != '/' && argument[0] != '-')
            continue;
        const char* flag = argument + 1;
        if (std::strcmp(flag, "pt") == 0)
            setup = true;
        else if (std::strcmp(flag, "p") == 0)
            setup = false;
    }
    return setup;
}

}  // namespace setup
