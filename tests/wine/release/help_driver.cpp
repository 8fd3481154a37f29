// Drives the resident's help command for the help window test:
//   help_driver.exe <folder of Ombrix.exe> <signal folder>
// Starts the resident there, posts the help command (32775) to its window
// and looks for the HTML Help window among the resident's windows: it must
// appear with the help file's own caption; its rectangle goes to stdout,
// "ready" into the signal folder, and the driver waits for "done" before it
// ends the resident. (Without a help file the resident runs on: the startup
// test's.)
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
// Entries of the contents file resources/help/toc.hhc, books and pages.
const LRESULT kContentsEntries = 15;

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

// The help window as it must look; its rectangle goes to stdout.
int CheckHelpWindow(HWND help, HWND main)
{
    int status = 0;
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
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 99;
    std::string folder = std::string(argv[1]) + "\\";
    std::string signals = std::string(argv[2]) + "\\";

    ChildProcess resident("\"" + folder + "Ombrix.exe\"", folder);
    HWND main = WaitForWindow(resident.id(), "Q-Fendix");
    if (!main)
        return Fail("the resident's window did not appear");
    PostMessageA(main, WM_COMMAND, CMD_HELP, 0);

    HWND help = WaitForWindow(resident.id(), "HH Parent");
    if (!help)
        return Fail("no HTML Help window appeared");
    int status = CheckHelpWindow(help, main);
    WriteFileBytes(signals + "ready", "");
    WaitFor([&] { return FileExists(signals + "done"); }, 60000);

    PostMessageA(main, WM_CLOSE, 0, 0);
    if (resident.Wait(kPatienceMs) != 0)
        status = Fail("the resident did not end with 0");
    return status;
}
