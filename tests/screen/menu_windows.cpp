// Watches the open menu windows (class "#32768") of its desktop for a
// screen test, so that no look starts a Wine process of its own, which on a
// busy machine takes longer than the menu timers under test:
//   menu_windows.exe <signal folder>
// Every 50 ms it lists their screen rectangles, topmost first, one
// "left top right bottom" line each; when the list changes it replaces
// menus.txt in the folder (whole, by a rename) and appends
// "<tick count> <number of menus>" to menus.log. It ends when "done" is
// there. Another process cannot read a menu's entries, but it can see where
// its windows are. Run it inside the virtual desktop of the test.
#include <windows.h>
#include <string>
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

BOOL CALLBACK AddMenuWindow(HWND window, LPARAM list)
{
    char name[32];
    GetClassNameA(window, name, sizeof name);
    RECT r;
    if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window) && GetWindowRect(window, &r)) {
        char line[64];
        wsprintfA(line, "%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        *reinterpret_cast<std::string*>(list) += line;
    }
    return TRUE;
}

std::string MenuWindows()
{
    std::string list;
    EnumWindows(AddMenuWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

int Lines(const std::string& text)
{
    int lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

void Publish(const std::string& folder, const std::string& list)
{
    WriteFileBytes(folder + "menus.tmp", list);
    MoveFileExA((folder + "menus.tmp").c_str(), (folder + "menus.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
    std::string log = ReadFileBytes(folder + "menus.log");
    WriteFileBytes(folder + "menus.log",
                   log + std::to_string(GetTickCount()) + " " + std::to_string(Lines(list)) + "\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 99;
    std::string folder = std::string(argv[1]) + "\\";
    std::string shown = "none yet";
    while (!FileExists(folder + "done")) {
        std::string list = MenuWindows();
        if (list != shown)
            Publish(folder, shown = list);
        Sleep(50);
    }
    return 0;
}
