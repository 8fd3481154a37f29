#pragma once
// The editor's application object, one for the run: its paths, the pool and
// service folders, the system image lists, the resident while the editor
// runs, the main frame and the message loop.
#include <windows.h>
#include <memory>
#include <string>
#include "editor/editor_paths.h"
#include "editor/editor_settings.h"
#include "editor/main_frame.h"
#include "editor/manage_tree_bar.h"
#include "editor/resident_control.h"
#include "editor/services/services_window.h"
#include "win32/message_loop.h"
#include "win32/system_image_lists.h"

namespace editor {

class Application {
public:
    explicit Application(HINSTANCE instance);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start, message loop, end; the program's exit code.
    int Run(int showCommand);
    // Ends the program at once after a failure that has been shown; the
    // resident is started again when the editor closed it.
    [[noreturn]] void ExitAbnormally();

    HINSTANCE instance() const noexcept { return instance_; }
    const EditorPaths& paths() const noexcept { return paths_; }
    // [Main] PoolPath and ServePath as the run uses them.
    const std::string& poolPath() const noexcept { return poolPath_; }
    const std::string& servePath() const noexcept { return servePath_; }
    // The shell's system image lists, asked for at the first use: the shell
    // makes all of its lists then, which would slow every start.
    const win32::SystemImageLists& imageLists();
    ResidentControl& resident() noexcept { return resident_; }
    MainFrame& frame() noexcept { return *frame_; }
    EditorSettings& settings() noexcept { return *settings_; }
    win32::MessageLoop& loop() noexcept { return loop_; }

private:
    std::string PrepareFolder(const char* key, const std::string& defaultPath);
    // The settings and menus read, the management tree filled; false when
    // the user ended the start.
    bool LoadSettings();
    void OnSessionEnd();
    // What the template window works with.
    editor::ServicesContext ServicesContext();

    HINSTANCE instance_;
    EditorPaths paths_;
    std::string poolPath_;
    std::string servePath_;
    win32::SystemImageLists imageLists_;
    bool imageListsAttached_ = false;
    ResidentControl resident_;
    win32::MessageLoop loop_;
    // The windows refer to the sections: the settings outlive the frame,
    // the tree in the frame's bar does not.
    std::unique_ptr<EditorSettings> settings_;
    std::unique_ptr<MainFrame> frame_;
    std::unique_ptr<ManageTreeBar> treeBar_;
    bool sessionEnded_ = false;
};

// The application while it runs, else null (for the last-chance handlers).
Application* RunningApplication();

}  // namespace editor
