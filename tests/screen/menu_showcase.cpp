// Opens one tray-style popup for a screenshot: the menu file, options and
// width come from the command line. Exits 0 when the menu opened and its
// entries were drawn, 1 otherwise.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "menufile/menu_file.h"
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

// Counts the entries drawn, in front of the menu hook.
class DrawCounter : public resident::WindowHook {
public:
    int drawn = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DRAWITEM)
            ++drawn;
        return Default(message, wParam, lParam);
    }
};

HWND keyTarget = nullptr;

void CALLBACK OpenLastSubmenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    menus_test::PressKey(keyTarget, VK_UP);
    menus_test::PressKey(keyTarget, VK_RIGHT);
}

void CALLBACK Close(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::printf("usage: menu_showcase <menu file> <options> <width> [settings] [seconds]\n");
        return 2;
    }
    win32::ComScope com;
    menus_test::PrepareApp();
    int options = static_cast<int>(std::strtol(argv[2], nullptr, 0));
    int width = std::atoi(argv[3]);
    bool settings = argc > 4 && std::string(argv[4]) == "settings";
    int seconds = argc > 5 ? std::atoi(argv[5]) : 5;
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
    DrawCounter counter;
    counter.Install(owner);
    if (settings)
        SetTimer(nullptr, 0, 800, &OpenLastSubmenu);
    SetTimer(nullptr, 0, seconds * 1000, &Close);
    SetForegroundWindow(owner);
    TrackPopupMenu(root.handle(), TPM_RETURNCMD, 40, 40, 0, owner, nullptr);
    counter.Remove();
    std::printf("entries drawn: %d\n", counter.drawn);
    return counter.drawn > 0 ? 0 : 1;
}
