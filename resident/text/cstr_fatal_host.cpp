#include "resident/text/cstr_fatal.h"

#include <cstdio>
#include <cstdlib>

namespace resident {

void CStrFatal(int code)
{
    std::fprintf(stderr, "CStr fatal %d\n", code);
    std::abort();
}

}  // namespace resident
