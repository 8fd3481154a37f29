// Drives the resident's tray menus at 144 DPI for the screen test:
//   dpi_driver.exe <folder of Ombrix.exe> <signal folder>
// Runs inside the test's Wine virtual desktop. Starts the resident, opens the
// left menu (large icons) and the right menu (small icons) of its first tray
// icon through the tray callback, and checks each menu's height against the
// system metrics of a DPI-aware process: every entry at least as high as the
// menu font's cell, the caption bar and the icon cell (icon size + 4), and
// not much more. Wine gives every process the metrics of the real DPI, so
// this checks that the menus follow them; that Windows does too is what the
// manifest's DPI awareness asks for.
// Between opening and closing a menu it writes "<side>.menu" (the menu's
// rectangle) into the signal folder and waits for "<side>.shot".
// Exit code 0 when all held, 1 when a check failed, 99 on a setup fault.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include "tests/support/test_support.h"
#include "win32/unique_handle.h"

using namespace testing_support;

namespace {

constexpr UINT kTrayCallback = 0x8001;
// The test's menu file: a title, three command items, a captioned separator
// and two more command items. An entry is as high as the tallest of the
// font's cell, the caption bar and the icon cell.
constexpr int kTallEntries = 6;
constexpr int kCaptionedSeparators = 1;

int MenuFontHeight()
{
    NONCLIENTMETRICSA metrics = {sizeof metrics};
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    win32::UniqueFont font(CreateFontIndirectA(&metrics.lfMenuFont));
    win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    win32::SelectObjectGuard select(dc.get(), font.get());
    TEXTMETRICA text = {};
    GetTextMetricsA(dc.get(), &text);
    return text.tmHeight;
}

int ExpectedMinimumHeight(int iconSize)
{
    int entry = std::max({MenuFontHeight(), GetSystemMetrics(SM_CYMENU), iconSize + 4});
    return kTallEntries * entry + kCaptionedSeparators * GetSystemMetrics(SM_CYMENU);
}

int OpenMenu(HWND main, DWORD residentId, const std::string& signals, const char* side, LPARAM button,
             int iconSize)
{
    SetCursorPos(120, 60);
    PostMessageA(main, kTrayCallback, 0, button);
    HWND menu = WaitForWindow(residentId, "#32768", nullptr, true);
    if (!menu)
        return Fail("the menu did not open");
    Sleep(500);
    RECT frame = {};
    GetWindowRect(menu, &frame);
    int height = frame.bottom - frame.top;
    int minimum = ExpectedMinimumHeight(iconSize);
    // Borders of the popup window: a few pixels above and below.
    int maximum = minimum + 4 * GetSystemMetrics(SM_CYEDGE) + 8;
    fprintf(stdout, "%s menu %ld %ld %ld %ld: height %d, expected %d to %d (icons %d, font %d, SM_CYMENU %d)\n",
            side, frame.left, frame.top, frame.right, frame.bottom, height, minimum, maximum, iconSize,
            MenuFontHeight(), GetSystemMetrics(SM_CYMENU));
    fflush(stdout);
    char rect[64];
    snprintf(rect, sizeof rect, "%ld %ld %ld %ld", frame.left, frame.top, frame.right, frame.bottom);
    int status = 0;
    if (height < minimum || height > maximum)
        status = Fail("the menu's height does not follow the system metrics");
    WriteFileBytes(signals + side + ".menu", rect);
    if (!WaitFor([&] { return FileExists(signals + side + ".shot"); }, 60000))
        status = Fail("no screenshot was taken");
    SendMessageTimeoutA(main, WM_CANCELMODE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    PostMessageA(main, kTrayCallback, 0, button == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP);
    if (!WaitFor([&] { return WaitForWindow(residentId, "#32768", nullptr, true, 0) == nullptr; }))
        status = Fail("the menu did not close");
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 99;
    // Measure as the resident does: with the metrics of a DPI-aware process.
    using SetAware = BOOL(WINAPI*)();
    auto setAware = reinterpret_cast<SetAware>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")));
    if (setAware)
        setAware();
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    fprintf(stdout, "screen: %d DPI, icons %d and %d\n", dpi, GetSystemMetrics(SM_CXICON),
            GetSystemMetrics(SM_CXSMICON));
    if (dpi != 144)
        return Fail("the test prefix is not at 144 DPI");

    std::string folder = std::string(argv[1]) + "\\";
    std::string signals = std::string(argv[2]) + "\\";
    ChildProcess resident("\"" + folder + "Ombrix.exe\"", folder);
    // The resident's window is hidden: any window of its class will do.
    HWND main = WaitForWindow(resident.id(), "Q-Fendix");
    if (!main)
        return Fail("the resident's window did not appear");
    // The icons exist once the posted reload has run.
    WaitFor([&] {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(main, kTrayCallback, 0, WM_MOUSEMOVE, SMTO_ABORTIFHUNG, 5000, &result);
        return result == 1;
    });

    int status = OpenMenu(main, resident.id(), signals, "left", WM_LBUTTONDOWN, GetSystemMetrics(SM_CXICON));
    status |= OpenMenu(main, resident.id(), signals, "right", WM_RBUTTONDOWN, GetSystemMetrics(SM_CXSMICON));

    PostMessageA(main, WM_CLOSE, 0, 0);
    if (resident.Wait(kPatienceMs) != 0)
        status = Fail("the resident did not end with 0");
    return status;
}
