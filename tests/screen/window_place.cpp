// Where something is in the Wine virtual desktop that this tool joins, for a
// screen test that clicks there as a user would:
//   window_place.exe <answer file> <top-level class> [<control id> | <class> [item]]
// Writes the screen rectangle "left top right bottom" of the first visible
// top-level window of that class, of its first visible descendant with that
// control id (or window class), or of one item of that control: the button
// of a command id in a tool bar, the n-th visible node of a tree view, the
// n-th tab of a tab control. Waits up to a minute for it to show and writes
// "none" when it never did. The answer goes to a file, whole, by a rename:
// a program started into a running desktop is not waited for, and its
// output may come late.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "tests/support/test_support.h"
#include "win32/unique_handle.h"

namespace {

struct Search {
    std::string control;  // a control id in digits, or a window class
    HWND found = nullptr;
};

bool IsMatch(HWND window, const std::string& control)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    bool byId = control.find_first_not_of("0123456789") == std::string::npos;
    return IsWindowVisible(window) &&
           (byId ? GetDlgCtrlID(window) == atoi(control.c_str()) : control == name);
}

BOOL CALLBACK Match(HWND window, LPARAM search)
{
    auto& wanted = *reinterpret_cast<Search*>(search);
    if (!IsMatch(window, wanted.control))
        return TRUE;
    wanted.found = window;
    return FALSE;
}

HWND FindControl(const char* topClass, const char* control)
{
    HWND top = FindWindowA(topClass, nullptr);
    if (!top || !IsWindowVisible(top))
        return nullptr;
    if (!control)
        return top;
    Search search{control};
    EnumChildWindows(top, Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The control fills a RECT in its own process: the buffer lives there.
bool AskRect(HWND control, UINT message, WPARAM wParam, RECT& rect)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(control, &processId);
    win32::UniqueKernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    void* remote = process ? VirtualAllocEx(process.get(), nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote)
        return false;
    bool asked = WriteProcessMemory(process.get(), remote, &rect, sizeof rect, nullptr) &&
                 SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(remote)) &&
                 ReadProcessMemory(process.get(), remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    return asked;
}

HTREEITEM VisibleNode(HWND tree, int row)
{
    HTREEITEM item = TreeView_GetFirstVisible(tree);
    while (item && row-- > 0)
        item = TreeView_GetNextVisible(tree, item);
    return item;
}

// The item's rectangle in the control's client area.
bool ItemRect(HWND control, int item, RECT& rect)
{
    char name[64] = "";
    GetClassNameA(control, name, sizeof name);
    if (lstrcmpiA(name, TOOLBARCLASSNAMEA) == 0)
        return AskRect(control, TB_GETRECT, item, rect);
    if (lstrcmpiA(name, WC_TABCONTROLA) == 0)
        return AskRect(control, TCM_GETITEMRECT, item, rect);
    HTREEITEM node = VisibleNode(control, item);
    *reinterpret_cast<HTREEITEM*>(&rect) = node;
    return node && AskRect(control, TVM_GETITEMRECT, TRUE, rect);
}

bool Place(char** argv, int count, RECT& rect)
{
    HWND control = FindControl(argv[0], count > 1 ? argv[1] : nullptr);
    if (!control)
        return false;
    if (count <= 2) {
        GetWindowRect(control, &rect);
        return true;
    }
    // Only the part that shows can be clicked: a long name runs past the tree.
    RECT item = {}, client = {};
    GetClientRect(control, &client);
    if (!ItemRect(control, atoi(argv[2]), item) || !IntersectRect(&rect, &item, &client))
        return false;
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5)
        return 2;
    RECT rect = {};
    bool found = testing_support::WaitFor([&] { return Place(argv + 2, argc - 2, rect); });
    char answer[64] = "none\n";
    if (found)
        snprintf(answer, sizeof answer, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    std::string path = argv[1];
    testing_support::WriteFileBytes(path + ".tmp", answer);
    MoveFileExA((path + ".tmp").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    return found ? 0 : 1;
}
