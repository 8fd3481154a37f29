#pragma once
// The resident's hidden main window: owner of the tray icons, receiver of
// their mouse events, of the day timer and of the resident's commands.
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "resident/help_viewer.h"
#include "win32/window.h"

namespace resident {

class TraySettings;

// The class of the main window; the other programs find the resident by it.
inline constexpr char kMainWindowClass[] = "Q-Fendix";

class MainWindow : public win32::Window {
public:
    MainWindow();
    ~MainWindow() override;

    static bool RegisterClass(HINSTANCE instance);
    // Creates the (never shown) window; WM_CREATE fills the paths of TheApp().
    bool Create(HINSTANCE instance);

    TraySettings* traySettings() const { return traySettings_.get(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnDestroy();
    void OnPaint();
    bool OnCommand(int id);
    LRESULT OnTrayCallback(WPARAM id, LPARAM mouseMessage);
    void OnDayTick();
    void Reload();
    void StartProgram(const char* fileName, const char* arguments);
    bool DeferWhileInMenu(UINT message, WPARAM wParam, LPARAM lParam);
    void RepostDeferred();

    std::unique_ptr<TraySettings> traySettings_;
    std::string helpPath_;
    HelpViewer help_;
    // While a tray icon handles a click, its menu's modal loop may dispatch
    // a reload or a close; they wait until the icon has returned, because
    // both delete the icon.
    int trayEventDepth_ = 0;
    std::vector<MSG> deferred_;
    // Broadcast when the shell's taskbar has been created.
    const UINT taskbarCreated_;
};

}  // namespace resident
