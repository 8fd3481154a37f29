// Opens one tray-style popup for a screenshot: the menu file, options and
// width come from the command line. Once the entries are drawn (and, with
// "settings", the settings submenu is open) it writes "ready" into the
// signal folder, and it closes the menu when "done" is there, so that a slow
// start leaves the screenshot no less time. Exits 0 when the menu opened and
// its entries were drawn, 1 otherwise.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "menufile/menu_file.h"
#include "tests/support/test_support.h"
#include "tests/wine/menus/menu_fixture.h"
#include "resident/app.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_window_hook.h"
#include "resident/tray/tray_popup.h"
#include "win32/com_ptr.h"

namespace {

class PrintingMenuFile : public menufile::MenuFile {
public:
    using MenuFile::MenuFile;

protected:
    void ReportError(int id, const menufile::ReportArgs&) override { std::printf("menu file error %d\n", id); }
    void ReportFileError(menufile::FileFailure, int error) override { std::printf("file error %d\n", error); }
};

// Counts the entries drawn and the popups opened, in front of the menu hook.
class DrawCounter : public resident::WindowHook {
public:
    int drawn = 0;
    int popups = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        drawn += message == WM_DRAWITEM;
        popups += message == WM_INITMENUPOPUP;
        return Default(message, wParam, lParam);
    }
};

HWND keyTarget = nullptr;
DrawCounter counter;
int popupsWanted = 1;
std::string signals;

void CALLBACK OpenLastSubmenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    menus_test::PressKey(keyTarget, VK_UP);
    menus_test::PressKey(keyTarget, VK_RIGHT);
}

// Ready once the wanted popups are open and nothing was drawn for 300 ms.
void CALLBACK Watch(HWND, UINT, UINT_PTR timer, DWORD)
{
    static int lastDrawn = 0, quiet = 0, ticks = 0;
    quiet = counter.drawn == lastDrawn ? quiet + 1 : 0;
    lastDrawn = counter.drawn;
    if (quiet == 3 && counter.drawn > 0 && counter.popups >= popupsWanted)
        testing_support::WriteFileBytes(signals + "ready", "");
    if (testing_support::FileExists(signals + "done") || ++ticks > 600) {
        KillTimer(nullptr, timer);
        EndMenu();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::printf("usage: menu_showcase <menu file> <options> <width> [settings] <signal folder>\n");
        return 2;
    }
    win32::ComScope com;
    menus_test::PrepareApp();
    int options = static_cast<int>(std::strtol(argv[2], nullptr, 0));
    int width = std::atoi(argv[3]);
    bool settings = argc > 5 && std::string(argv[4]) == "settings";
    popupsWanted = settings ? 2 : 1;
    signals = std::string(argv[argc - 1]) + "\\";
    PrintingMenuFile file(argv[1], width, options);
    if (!file.Load() || !file.root())
        return 1;

    menus_test::OwnerWindow ownerWindow;
    HWND owner = ownerWindow.get();
    keyTarget = owner;
    resident::LaunchMap launchMap;
    resident::CreatedMenus created;
    resident::OwnerDrawMenu root(menus_test::Context(), options, width);
    root.Attach(CreatePopupMenu());
    resident::EntryIds ids(launchMap, {});
    resident::MenuBuilder(ids, created, nullptr).Build(*file.root(), root);
    if (settings)
        resident::AppendSettingsSubmenu(root);

    resident::MenuWindowHook hook(owner, 0, nullptr);
    counter.Install(owner);
    if (settings)
        SetTimer(nullptr, 0, 800, &OpenLastSubmenu);
    SetTimer(nullptr, 0, 100, &Watch);
    SetForegroundWindow(owner);
    TrackPopupMenu(root.handle(), TPM_RETURNCMD, 40, 40, 0, owner, nullptr);
    counter.Remove();
    std::printf("entries drawn: %d\n", counter.drawn);
    return counter.drawn > 0 ? 0 : 1;
}
