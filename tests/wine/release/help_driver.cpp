// Drives the resident's help command for the help window test:
//   help_driver.exe <folder of Ombrix.exe> <signal folder> show|missing
// Starts the resident there, posts the help command (32775) to its window
// and looks for the HTML Help window among the resident's windows.
//   show:    the window must appear with the help file's own caption; its
//            rectangle goes to stdout, "ready" into the signal folder, and the
//            driver waits for "done" before it ends the resident.
//   missing: (no help file) no help window may appear, and the resident
//            must go on answering messages and end normally.
// Exit code 0 when all held, 1 when a check failed, 99 on a setup fault.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

const char kHelpCaption[] = "Q-Fendix ヘルプ";
// Entries of the contents file toc.hhc: seven topics, one of them a book of three.
const LRESULT kContentsEntries = 10;

BOOL CALLBACK FindTree(HWND child, LPARAM found)
{
    char name[64];
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, WC_TREEVIEWA) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

LRESULT ContentsEntries(HWND help)
{
    HWND tree = nullptr;
    EnumChildWindows(help, FindTree, reinterpret_cast<LPARAM>(&tree));
    return tree ? SendMessageA(tree, TVM_GETCOUNT, 0, 0) : -1;
}

HWND FirstWindow(DWORD processId, const char* className)
{
    auto windows = WindowsOfProcess(processId, className);
    return windows.empty() ? nullptr : windows.front();
}

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

int Fail(const char* what)
{
    fprintf(stdout, "FAIL: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return 99;
    std::string folder = std::string(argv[1]) + "\\";
    std::string signals = std::string(argv[2]) + "\\";
    bool show = std::string(argv[3]) == "show";

    ChildProcess resident("\"" + folder + "Ombrix.exe\"", folder);
    HWND main = nullptr;
    if (!WaitFor([&] { return (main = FirstWindow(resident.id(), "Q-Fendix")) != nullptr; }))
        return Fail("the resident's window did not appear");
    PostMessageA(main, WM_COMMAND, CMD_HELP, 0);

    int status = 0;
    if (show) {
        HWND help = nullptr;
        if (!WaitFor([&] { return (help = FirstWindow(resident.id(), "HH Parent")) != nullptr; }))
            return Fail("no HTML Help window appeared");
        WaitFor([&] { return IsWindowVisible(help) != FALSE; });
        RECT frame = {};
        GetWindowRect(help, &frame);
        if (!IsWindowVisible(help))
            status = Fail("the help window is not visible");
        if (WindowText(help) != kHelpCaption)
            status = Fail("the help window does not carry the help file's caption");
        if (frame.right - frame.left < 300 || frame.bottom - frame.top < 200)
            status = Fail("the help window is too small");
        LRESULT entries = -1;
        WaitFor([&] { return (entries = ContentsEntries(help)) == kContentsEntries; });
        if (entries != kContentsEntries) {
            fprintf(stdout, "contents pane: %ld entries\n", static_cast<long>(entries));
            status = Fail("the contents pane does not show the help file's contents");
        }
        if (GetWindow(help, GW_OWNER) != main)
            status = Fail("the help window is not owned by the resident's window");
        fprintf(stdout, "help window %ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom);
        fflush(stdout);
        WriteFileBytes(signals + "ready", "");
        WaitFor([&] { return FileExists(signals + "done"); }, 60000);
    } else {
        Sleep(3000);
        if (FirstWindow(resident.id(), "HH Parent"))
            status = Fail("a help window appeared without a help file");
        // Whatever the help control says about the missing file, the
        // resident keeps running and answering.
        for (HWND window : WindowsOfProcess(resident.id())) {
            if (window != main && IsWindowVisible(window)) {
                fprintf(stdout, "note: window \"%s\" shown for the missing file\n", WindowText(window).c_str());
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
        }
        PostMessageA(main, WM_COMMAND, CMD_HELP, 0);
        if (!Answers(main) || resident.Wait(500) != STILL_ACTIVE)
            status = Fail("the resident stopped answering after the help command");
        WriteFileBytes(signals + "ready", "");
    }

    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = resident.Wait(kPatienceMs);
    if (code != 0)
        status = Fail("the resident did not end with 0");
    return status;
}
