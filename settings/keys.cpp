#include "settings/keys.h"

#include <cstdio>

namespace settings {

std::string SectionName(int number)
{
    char name[32];
    snprintf(name, sizeof name, "Section%d", number);
    return name;
}

}  // namespace settings
