#include "resident/text/dbcs.h"

#include <cstring>

namespace resident {

bool SetHoldsChar932(const char* set, const char* character, size_t size)
{
    for (const char* p = set; *p != '\0';) {
        size_t step = CharSize932(p);
        if (step == size && std::memcmp(p, character, size) == 0)
            return true;
        p += step;
    }
    return false;
}

const char* FindFirstOf932(const char* text, const char* set)
{
    for (const char* p = text; *p != '\0';) {
        size_t size = CharSize932(p);
        if (SetHoldsChar932(set, p, size))
            return p;
        p += size;
    }
    return nullptr;
}

}  // namespace resident
