#include "resident/main_window.h"

#include "resident/app.h"
#include "resident/process_starter.h"
#include "resident/tray/day_timer.h"
#include "resident/tray/tray_settings.h"
#include "resources/resident/resource_ids.h"
#include "settings/ini_file.h"
#include "settings/main_section.h"
#include "settings/paths.h"

namespace resident {

MainWindow::MainWindow() : taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {}
MainWindow::~MainWindow() = default;

bool MainWindow::RegisterClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_RESIDENT));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_RESIDENT_SMALL), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_RESIDENT);
    windowClass.lpszClassName = kMainWindowClass;
    return win32::Window::RegisterClass(windowClass) != 0;
}

bool MainWindow::Create(HINSTANCE instance)
{
    return win32::Window::Create(0, kMainWindowClass, "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT,
                                 0, nullptr, nullptr, instance);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (DeferWhileInMenu(message, wParam, lParam))
        return 0;
    if (message == taskbarCreated_ && message != 0) {
        if (traySettings_)
            traySettings_->ShowAgain();
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_TIMECHANGE:
        OnDayTick();
        return 0;
    case WM_TIMER:
        if (wParam == DAY_TIMER_ID)
            OnDayTick();
        return 0;
    case WM_POWERBROADCAST:
        // The timer counts running time only: after a sleep across
        // midnight it would show yesterday's day for hours.
        if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            OnDayTick();
        break;
    case TRAY_CALLBACK_MESSAGE:
        return OnTrayCallback(wParam, lParam);
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam)))
            return 0;
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT MainWindow::OnCreate()
{
    App& app = TheApp();
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(app.instance, path, MAX_PATH);
    // A cut path would name some other settings file.
    if (length == 0 || length >= MAX_PATH)
        return -1;
    app.mainWindow = handle();
    app.settingsPath = settings::ResidentSettingsPath(path);
    app.programFolder = settings::FolderOf(path);
    app.poolPath = settings::ReadPoolPath(settings::IniFile(app.settingsPath), app.programFolder);
    helpPath_ = settings::WithLastThreeReplaced(path, "chm");
    return 0;
}

void MainWindow::OnDestroy()
{
    traySettings_.reset();
    TheApp().mainWindow = nullptr;
    PostQuitMessage(0);
}

void MainWindow::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(handle(), &paint);
    EndPaint(handle(), &paint);
}

bool MainWindow::OnCommand(int id)
{
    switch (id) {
    case CMD_ABOUT:
        StartProgram("Ombrixa.exe", "");
        return true;
    case CMD_EXIT:
        DestroyWindow(handle());
        return true;
    case CMD_RELOAD:
        Reload();
        return true;
    case CMD_EDIT_MENUS:
        StartProgram("Ombrixm.exe", "");
        return true;
    case CMD_HELP:
        help_.Show(handle(), helpPath_);
        return true;
    }
    return false;
}

void MainWindow::Reload()
{
    // The old icons go before the new ones come: they share the icon ids.
    traySettings_.reset();
    const App& app = TheApp();
    traySettings_ = std::make_unique<TraySettings>(handle(), settings::IniFile(app.settingsPath), app.poolPath);
}

void MainWindow::StartProgram(const char* fileName, const char* arguments)
{
    StartProcess(ProgramCommandLine(TheApp().programFolder + fileName, arguments));
}

void MainWindow::OnDayTick()
{
    if (traySettings_)
        traySettings_->DayTick();
}

LRESULT MainWindow::OnTrayCallback(WPARAM id, LPARAM mouseMessage)
{
    if (!traySettings_ || id >= static_cast<WPARAM>(traySettings_->count()))
        return 0;
    TrayIcon& icon = traySettings_->icon(static_cast<int>(id));
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        SetForegroundWindow(handle());
        ++trayEventDepth_;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{trayEventDepth_};
        icon.OnEvent(static_cast<UINT>(mouseMessage));
        PostMessageA(handle(), WM_USER, 0, 0);
        break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        icon.OnEvent(WM_LBUTTONUP);
        break;
    }
    if (trayEventDepth_ == 0)
        RepostDeferred();
    return 1;
}

bool MainWindow::DeferWhileInMenu(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (trayEventDepth_ == 0)
        return false;
    bool deletesIcons = message == WM_CLOSE ||
                        (message == WM_COMMAND && (LOWORD(wParam) == CMD_RELOAD || LOWORD(wParam) == CMD_EXIT));
    if (!deletesIcons)
        return false;
    MSG deferred = {};
    deferred.message = message;
    deferred.wParam = wParam;
    deferred.lParam = lParam;
    deferred_.push_back(deferred);
    return true;
}

void MainWindow::RepostDeferred()
{
    for (const MSG& message : deferred_)
        PostMessageA(handle(), message.message, message.wParam, message.lParam);
    deferred_.clear();
}

}  // namespace resident
