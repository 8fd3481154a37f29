#pragma once
// The editor's main frame: the MDI client with the open windows, the tool
// bar, the status bar with its prompts, the management tree bar on the
// left, the menu of the active kind of window, and the commands that no
// single window owns.
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include "editor/child_windows.h"
#include "editor/editor_paths.h"
#include "win32/command_target.h"
#include "win32/docked_bar.h"
#include "win32/html_help.h"
#include "win32/mdi_frame.h"
#include "win32/message_loop.h"
#include "win32/status_bar.h"
#include "win32/tool_bar.h"
#include "win32/unique_handle.h"

namespace editor {

class Saving;

class MainFrame : public win32::MdiFrame, public win32::CommandTarget {
public:
    static constexpr char kClassName[] = "OmbrixmFrame";

    MainFrame(HINSTANCE instance, const EditorPaths& paths, win32::MessageLoop& loop);
    ~MainFrame() override;

    bool Create();

    ChildWindows& windows() noexcept { return windows_; }
    win32::DockedBar& treeBar() noexcept { return *treeBar_; }
    win32::StatusBar& statusBar() noexcept { return statusBar_; }
    win32::ToolBar& toolBar() noexcept { return toolBar_; }
    HACCEL accelerators() const noexcept { return accelerators_; }

    // The management tree bar's commands, offered before any other target.
    void SetTreeBarTarget(win32::CommandTarget* target) { treeBarTarget_ = target; }
    // The settings being edited; without them nothing is ever modified.
    void SetSaving(Saving* saving) { saving_ = saving; }
    // Makes the template window that command 34014 opens and closes.
    void SetTemplatesFactory(ChildWindows::Factory make) { makeTemplates_ = std::move(make); }
    // Called when the session ends under the editor (WM_ENDSESSION).
    void SetSessionEnding(std::function<void()> ending) { sessionEnding_ = std::move(ending); }

    // The state of a command as the targets tell it; disabled when none handles it.
    win32::CommandState StateOf(int id);
    // Runs an enabled command through the first target that handles it.
    bool Run(int id);
    // Writes every window's pending edits into the model (UM_COMMIT_EDITS).
    // Stops at the first window that refused a value (false).
    bool CommitEdits();
    // The question 61699 when anything is modified; true when the editor may close.
    bool CanClose();
    // Idle work: the menu of the active window, tool bar states, the prompt.
    void OnIdle();

    // The frame's own commands.
    bool QueryCommand(int id, win32::CommandState& state) override;
    bool RunCommand(int id) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool RegisterFrameClass() const;
    bool OnCreate();
    bool CreateBars();
    void UpdateMenu(HMENU menu);
    void UpdateFrameMenu();
    void UpdateToolBar();
    void ShowPrompt(UINT id);
    void ShowBasePrompt();
    UINT BasePrompt() const;
    std::string PromptOf(UINT id);
    void OnMenuSelect(UINT id, UINT flags, HMENU menu);
    LRESULT OnNotify(const NMHDR& header);
    void OnClose();
    bool SaveAll();
    void ShowHelp(bool context);
    int ActiveKindId() const;
    void ToggleTemplates();

    HINSTANCE instance_;
    const EditorPaths& paths_;
    win32::MessageLoop& loop_;
    win32::ToolBar toolBar_;
    win32::StatusBar statusBar_;
    std::unique_ptr<win32::DockedBar> treeBar_;
    ChildWindows windows_;
    win32::HtmlHelpControl help_;
    win32::UniqueMenu frameMenu_, sectionMenu_, templatesMenu_, optionsMenu_;
    HACCEL accelerators_ = nullptr;  // a resource: freed with the program
    int menuKind_ = 0;               // the id of the menu on the frame
    UINT promptShown_ = 0;
    bool promptHeld_ = false;        // a menu or a button's prompt is showing
    std::string tip_;
    win32::CommandTarget* treeBarTarget_ = nullptr;
    Saving* saving_ = nullptr;
    std::function<void()> sessionEnding_;
    ChildWindows::Factory makeTemplates_;
};

}  // namespace editor
