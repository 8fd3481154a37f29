#include "resident/text/cstr_fatal.h"

#include <windows.h>
#include <cstdio>

namespace resident {

void CStrFatal(int code)
{
    char text[32];
    std::snprintf(text, sizeof text, "CStr fatal %d", code);
    // No owner: the error may come from any window's code, or from none.
    MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
    // The state that led here is broken: end without running anyone's
    // clean-up code.
    TerminateProcess(GetCurrentProcess(), 3);
    ExitProcess(3);
}

}  // namespace resident
