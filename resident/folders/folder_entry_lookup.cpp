#include "resident/folders/folder_entry_lookup.h"

#include <cstdio>

namespace resident {

std::string FolderEntryTarget(unsigned long key)
{
    char target[16];
    snprintf(target, sizeof target, "&0x%lx", key);
    return target;
}

}  // namespace resident
