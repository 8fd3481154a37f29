// Runs a program inside a Wine virtual desktop for a screen test:
//   screen_driver.exe <program> <window class> <signal folder>
// Starts the program in its own folder, waits for its window of that class,
// writes "ready" into the signal folder, waits for the test to write "done",
// then closes the window with WM_CLOSE and ends with the program's exit code
// (99 when something went wrong), also written to "exit" in the folder.
#include <windows.h>
#include <cstdio>
#include <string>
#include "tests/support/test_support.h"

using namespace testing_support;

int main(int argc, char** argv)
{
    if (argc != 4)
        return 99;
    std::string program = argv[1];
    std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    std::string signals = std::string(argv[3]) + "\\";
    ChildProcess child("\"" + program + "\"", folder);
    HWND window = WaitForWindow(child.id(), argv[2]);
    if (!window) {
        fprintf(stderr, "screen_driver: no window of class %s\n", argv[2]);
        return 99;
    }
    WriteFileBytes(signals + "ready", "");
    if (!WaitFor([&] { return FileExists(signals + "done"); }, 120000))
        fprintf(stderr, "screen_driver: the test did not finish\n");
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = child.Wait(kPatienceMs);
    int result = code == STILL_ACTIVE ? 99 : static_cast<int>(code);
    // The virtual desktop's own exit status is what the script sees.
    WriteFileBytes(signals + "exit", std::to_string(result));
    return result;
}
