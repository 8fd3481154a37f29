// Opens one tray-style popup for a screenshot: the menu file, options and
// width come from the command line. Exits 0 when the menu opened and its
// entries were drawn, 1 otherwise.
#include <windows.h>
#include <shellapi.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "menufile/menu_file.h"
#include "resident/app.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_window_hook.h"
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

void Key(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void CALLBACK OpenLastSubmenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    Key(VK_UP);
    Key(VK_RIGHT);
}

void CALLBACK Close(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

void PrepareApp()
{
    resident::App& app = resident::TheApp();
    app.instance = GetModuleHandleA(nullptr);
    LoadStringA(app.instance, 103, app.productCaption, sizeof app.productCaption);
    SHFILEINFOA info = {};
    app.smallImageList = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    app.largeImageList = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
}

HWND OwnerWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OmbrixShowcase";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "OmbrixShowcase", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::printf("usage: menu_showcase <menu file> <options> <width> [settings] [seconds]\n");
        return 2;
    }
    win32::ComScope com;
    PrepareApp();
    int options = static_cast<int>(std::strtol(argv[2], nullptr, 0));
    int width = std::atoi(argv[3]);
    bool settings = argc > 4 && std::string(argv[4]) == "settings";
    int seconds = argc > 5 ? std::atoi(argv[5]) : 5;
    PrintingMenuFile file(argv[1], width, options);
    if (!file.Load() || !file.root())
        return 1;

    HWND owner = OwnerWindow();
    resident::LaunchMap launchMap;
    resident::CreatedMenus created;
    resident::OwnerDrawMenu root(options, width);
    root.Attach(CreatePopupMenu());
    resident::MenuBuilder(launchMap, created, nullptr).Build(*file.root(), root);
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
