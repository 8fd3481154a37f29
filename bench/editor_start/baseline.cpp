// The baseline of bench_editor_start: reads the 20 menu files of the
// folder it is started in with the menu-file reader, creates one bare
// top-level window and waits for input until it is ended.
#include <windows.h>
#include <string>
#include "menufile/menu_file.h"

namespace {

constexpr int kSections = 10;

// A reader that counts a failure instead of showing it.
class QuietMenuFile : public menufile::MenuFile {
public:
    using MenuFile::MenuFile;
    int failures = 0;

protected:
    void ReportError(int, const menufile::ReportArgs&) override { ++failures; }
    void ReportFileError(menufile::FileFailure, int) override { ++failures; }
};

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

int RunBaseline()
{
    for (int n = 1; n <= kSections; ++n) {
        for (const char* side : {"_L", "_R"}) {
            QuietMenuFile file("work\\s" + std::to_string(n) + side + ".txt", 0, 0, menufile::LineRules::Editor);
            if (!file.Load() || file.failures)
                return 2;
        }
    }
    WNDCLASSEXA windowClass = {sizeof windowClass};
    windowClass.lpfnWndProc = BareProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OmbrixBareWindow";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "OmbrixBareWindow", "bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                  CW_USEDEFAULT, 0, nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunBaseline();
}
