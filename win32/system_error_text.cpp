#include "win32/system_error_text.h"

#include <cstdio>
#include <cstring>

namespace win32 {

void SystemErrorText(char* buffer, size_t size, DWORD code)
{
    if (size == 0)
        return;
    buffer[0] = '\0';
    if (code == 0)
        code = GetLastError();
    char* text = nullptr;
    // Inserts are ignored: some system texts hold "%1", and there are no
    // arguments to fill them with.
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, LANG_USER_DEFAULT, reinterpret_cast<char*>(&text), 0,
                                  nullptr);
    if (!text)
        return;
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r'))
        text[--length] = '\0';
    if (length + 14 <= size)
        snprintf(buffer, size, "%s (0x%lx)", text, static_cast<unsigned long>(code));
    LocalFree(text);
}

}  // namespace win32
