// Closes the window of a class in the Wine virtual desktop that this tool
// joins (windows belong to a desktop: only a process inside it finds them):
//   wine explorer /desktop=NAME close_window.exe <window class>
// Ends with 0 when the window is gone, 1 when it was not found or stayed.
#include <windows.h>
#include "tests/support/test_support.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 1;
    HWND window = FindWindowA(argv[1], nullptr);
    if (!window)
        return 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return testing_support::WaitFor([&] { return !IsWindow(window); }) ? 0 : 1;
}
