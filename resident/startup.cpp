#include "resident/startup.h"

#include "resident/app.h"
#include "resident/folders/folder_registry.h"
#include "resident/main_window.h"
#include "resident/menus/menu_registry.h"
#include "resident/process_starter.h"
#include "resident/tray/tray_popup.h"
#include "resources/resident/resource_ids.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "win32/com_ptr.h"

namespace resident {

namespace {
bool AnotherResidentRuns()
{
    HWND window = FindWindowA(kMainWindowClass, nullptr);
    return window && IsWindow(window);
}

bool SettingsAreCurrent()
{
    settings::IniFile file(TheApp().settingsPath);
    return file.ReadInt(settings::kMainSection, settings::kIniVersion, 0) == settings::kCurrentIniVersion;
}

// The setup assistant prepares the folder and the settings, and starts the
// resident again when it is done.
void StartSetupAssistant()
{
    StartProcess(ProgramCommandLine(TheApp().programFolder + "Ombrixa.exe", "/pt"));
}

int RunMessageLoop()
{
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
}  // namespace

int RunResident(HINSTANCE instance)
{
    App& app = TheApp();
    app.instance = instance;
    LoadStringA(instance, IDS_PRODUCT_CAPTION, app.productCaption, sizeof app.productCaption);
    MainWindow::RegisterClass(instance);
    if (AnotherResidentRuns())
        return 0;
    win32::ComScope com;
    if (com.result() != S_OK && com.result() != S_FALSE)
        return 0;
    MainWindow window;
    if (!window.Create(instance))
        return 0;
    if (!SettingsAreCurrent()) {
        StartSetupAssistant();
        return 0;
    }
    ShowWindow(window.handle(), SW_HIDE);
    UpdateWindow(window.handle());
    PostMessageA(window.handle(), WM_COMMAND, CMD_RELOAD, 0);
    AttachSystemImageLists(app);
    InstallFolderMenus();
    int exitCode = RunMessageLoop();
    // Any menu still registered, and the shell folders of folder menus, go
    // before COM does.
    TheFolderRegistry().Clear();
    DeleteMenuRegistry();
    return exitCode;
}

}  // namespace resident
