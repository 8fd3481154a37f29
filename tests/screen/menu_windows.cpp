// Prints the screen rectangles of the open menu windows (class "#32768")
// of its desktop, topmost first, one "left top right bottom" line each:
// another process cannot read a menu's entries, but it can see where its
// windows are. Run it inside the virtual desktop of the test.
#include <windows.h>
#include <cstdio>

namespace {

BOOL CALLBACK PrintMenuWindow(HWND window, LPARAM)
{
    char name[32];
    GetClassNameA(window, name, sizeof name);
    RECT rect;
    if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window) && GetWindowRect(window, &rect))
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return TRUE;
}

}  // namespace

int main()
{
    EnumWindows(PrintMenuWindow, 0);
    return 0;
}
