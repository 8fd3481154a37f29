// Stands in for a program that the product starts (Ombrixa.exe, Ombrixm.exe,
// notepad.exe, a launched document's program). It appends one line to the
// file named like itself with ".log": its command line, a tab, its working
// folder. Exits with 0 at once, unless RECORDER_WAIT_MS asks it to linger.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length < 4 || length >= MAX_PATH)
        return 2;
    strcpy(path + length - 4, ".log");
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    if (FILE* log = fopen(path, "ab")) {
        fprintf(log, "%s\t%s\r\n", GetCommandLineA(), folder);
        fclose(log);
    }
    char wait[32];
    if (GetEnvironmentVariableA("RECORDER_WAIT_MS", wait, sizeof wait))
        Sleep(static_cast<DWORD>(atoi(wait)));
    return 0;
}
