// Private bytes (GetProcessMemoryInfo) of a minimal program with a hidden
// window and one tray icon, against the resident (Ombrix.exe beside this
// program) after 100 of its tray menus were shown and closed, and against
// this program after 100 popups of its own. A third figure, the minimal
// program that also asks the shell for its two system image lists, shows how
// much of the difference is the shell's own: under Wine those lists are
// private memory of every process that asks for them. Each figure is taken in
// a process of its own: tray_memory <menu file>.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include "menufile/menu_file.h"
#include "tests/support/test_support.h"
#include "resident/app.h"
#include "resident/menus/launch_map.h"
#include "resident/tray/tray_popup.h"
#include "win32/com_ptr.h"

namespace {

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    // Wine leaves PrivateUsage at 0; PagefileUsage is the same figure on
    // Windows (the process's committed private memory) and Wine fills it.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

class QuietMenuFile : public menufile::MenuFile {
public:
    using MenuFile::MenuFile;

protected:
    void ReportError(int, const menufile::ReportArgs&) override {}
    void ReportFileError(menufile::FileFailure, int) override {}
};

HWND HiddenWindow()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OmbrixTrayMemory";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "OmbrixTrayMemory", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

NOTIFYICONDATAA IconData(HWND window)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = 0x8001;
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(data.szTip, "memory", sizeof data.szTip);
    return data;
}

void Pump(DWORD ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

// Returns the private bytes before the first popup, after it, and after the
// hundredth.
std::string ShowPopups(HWND window, const char* menuPath)
{
    resident::App& app = resident::TheApp();
    app.instance = GetModuleHandleA(nullptr);
    app.mainWindow = window;
    resident::AttachSystemImageLists(app);
    int options = 0x50000;
    QuietMenuFile file(menuPath, 0, options);
    if (!file.Load() || !file.root())
        return "";
    resident::LaunchMap launchMap;
    resident::TrayPopup popup;
    popup.menu = file.root();
    popup.options = options;
    popup.settingsSubmenu = true;
    popup.window = window;
    popup.at = {50, 50};
    std::string figures = std::to_string(PrivateBytes());
    for (int i = 0; i < 100; ++i) {
        SetTimer(nullptr, 0, 20, &CloseMenu);
        resident::ShowTrayPopup(popup, launchMap, nullptr);
        if (i == 0)
            figures += " " + std::to_string(PrivateBytes());
    }
    return figures;
}



}  // namespace

// Child: the window, the icon, then the system image lists ("--lists") or the
// popups of a menu file; the figures go to the output file.
int Measure(const std::string& output, const char* what)
{
    win32::ComScope com;
    HWND window = HiddenWindow();
    NOTIFYICONDATAA data = IconData(window);
    Shell_NotifyIconA(NIM_ADD, &data);
    std::string figures;
    if (what && std::strcmp(what, "--lists") == 0)
        resident::AttachSystemImageLists(resident::TheApp());
    else if (what)
        figures = ShowPopups(window, what) + " ";
    Pump(500);
    testing_support::WriteFileBytes(output, figures + std::to_string(PrivateBytes()));
    Shell_NotifyIconA(NIM_DELETE, &data);
    return 0;
}

size_t PrivateBytesOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

bool MenuShown()
{
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// The resident in a folder of its own with one tray icon whose right menu is
// the menu file; each right click (the tray callback posted to its window)
// opens the menu, which closes itself after MenuAutoHide. Returns the
// private bytes after the first menu and after the hundredth.
std::string ResidentAfterMenus(const testing_support::TempFolder& folder, const std::string& menuPath)
{
    std::string program = folder / "Ombrix.exe";
    testing_support::CopyFileTo(testing_support::BinaryFolder() + "Ombrix.exe", program);
    testing_support::CopyFileTo(menuPath, folder / "right.mnu");
    testing_support::WriteFileBytes(folder / "Ombrix.ini",
                                    "[Main]\r\nIniVersion=10\r\nTrayNo=1\r\nMenuAutoHide=100\r\n"
                                    "[Section1]\r\nDesc=memory\r\nMenuPath_R=" + folder / "right.mnu" +
                                        "\r\nOpt_R=327680\r\n");
    testing_support::ChildProcess resident("\"" + program + "\"", folder.path());
    HWND window = nullptr;
    testing_support::WaitFor([&] {
        auto windows = testing_support::WindowsOfProcess(resident.id(), "Q-Fendix");
        window = windows.empty() ? nullptr : windows.front();
        return window != nullptr;
    }, 20000);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, resident.id());
    if (!window || !process)
        return "";
    std::string figures;
    int shown = 0;
    for (int i = 0; i < 100; ++i) {
        PostMessageA(window, 0x8001, 0, WM_RBUTTONDOWN);
        shown += testing_support::WaitFor(MenuShown, 3000) ? 1 : 0;
        testing_support::WaitFor([] { return !MenuShown(); }, 3000);
        if (i == 0)
            figures = std::to_string(PrivateBytesOf(process));
    }
    Sleep(500);
    figures += " " + std::to_string(PrivateBytesOf(process)) + " " + std::to_string(shown);
    CloseHandle(process);
    PostMessageA(window, WM_CLOSE, 0, 0);
    resident.Wait(10000);
    return figures;
}

std::string RunChild(const std::string& arguments, const std::string& output)
{
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    testing_support::ChildProcess child("\"" + std::string(self) + "\" " + arguments, "");
    child.Wait(120000);
    return testing_support::ReadFileBytes(output);
}

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--measure") == 0)
        return Measure(argv[2], argc > 3 ? argv[3] : nullptr);
    if (argc < 2) {
        std::printf("usage: tray_memory <menu file>\n");
        return 2;
    }
    testing_support::TempFolder folder("traymemory");
    double minimal = std::atof(RunChild("--measure \"" + folder / "minimal.txt" + "\"", folder / "minimal.txt").c_str());
    double withLists =
        std::atof(RunChild("--measure \"" + folder / "lists.txt" + "\" --lists", folder / "lists.txt").c_str());
    std::string text = RunChild("--measure \"" + folder / "popups.txt" + "\" \"" + argv[1] + "\"", folder / "popups.txt");
    double imageLists = 0, first = 0, hundredth = 0;
    std::sscanf(text.c_str(), "%lf %lf %lf", &imageLists, &first, &hundredth);
    std::printf("private KiB: hidden window and tray icon %.0f; with the system image lists and the menu file %.0f;\n"
                "after 1 popup %.0f; after 100 popups %.0f; ratio %.2f, growth from popup 1 to 100 %.0f KiB\n",
                minimal / 1024, imageLists / 1024, first / 1024, hundredth / 1024, hundredth / minimal,
                (hundredth - first) / 1024);
    testing_support::TempFolder residentFolder("traymemoryresident");
    double afterOne = 0, afterHundred = 0, shown = 0;
    std::sscanf(ResidentAfterMenus(residentFolder, argv[1]).c_str(), "%lf %lf %lf", &afterOne, &afterHundred, &shown);
    std::printf("resident (%.0f of 100 menus seen open): after 1 menu %.0f KiB, after 100 menus %.0f KiB, "
                "ratio to the minimal program %.2f (limit 1.25)\n",
                shown, afterOne / 1024, afterHundred / 1024, afterHundred / minimal);
    std::printf("the minimal program with the two system image lists: %.0f KiB (%.0f KiB of them the lists); "
                "resident's ratio to it %.2f\n",
                withLists / 1024, (withLists - minimal) / 1024, afterHundred / withLists);
    return 0;
}
