// The frame's command routing: the tree bar first, then the active window,
// then the frame itself; and the commands the frame owns.
#include "editor/main_frame.h"

#include <htmlhelp.h>
#include "editor/command_text.h"
#include "editor/help_topics.h"
#include "editor/saving.h"
#include "editor/version_box.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

bool IsHelpCommand(int id)
{
    return id == ID_HELP_INDEX || id == ID_HELP_FINDER || id == ID_CONTEXT_HELP || id == ID_HELP ||
           id == ID_DEFAULT_HELP;
}

}  // namespace

win32::CommandState MainFrame::StateOf(int id)
{
    win32::CommandState state;
    HWND active = ActiveChild();
    win32::CommandTarget* targets[] = {treeBarTarget_, windows_.FromHandle(active), this};
    for (win32::CommandTarget* target : targets) {
        if (target && target->QueryCommand(id, state))
            return state;
    }
    return {false, false};
}

bool MainFrame::Run(int id)
{
    // Accelerators reach us even for commands that are disabled now.
    if (!StateOf(id).enabled)
        return false;
    HWND active = ActiveChild();
    win32::CommandTarget* targets[] = {treeBarTarget_, windows_.FromHandle(active), this};
    for (win32::CommandTarget* target : targets) {
        if (target && target->RunCommand(id))
            return true;
    }
    return false;
}

bool MainFrame::QueryCommand(int id, win32::CommandState& state)
{
    switch (id) {
    case ID_SAVE_ALL:
    case ID_FILE_SAVE:
        state.enabled = saving_ && saving_->IsModified();
        return true;
    case ID_FILE_CLOSE:
        state.enabled = ActiveChild() != nullptr;
        return true;
    case ID_TEMPLATE_WINDOW:
        state.enabled = static_cast<bool>(makeTemplates_);
        state.checked = windows_.Find(WindowKind::Templates) != nullptr;
        return true;
    case ID_APP_EXIT:
    case ID_APP_ABOUT:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE:
        return true;
    }
    return IsHelpCommand(id);
}

bool MainFrame::RunCommand(int id)
{
    switch (id) {
    case ID_SAVE_ALL:
    case ID_FILE_SAVE:
        SaveAll();
        return true;
    case ID_FILE_CLOSE:
        SendMessageA(ActiveChild(), WM_CLOSE, 0, 0);
        return true;
    case ID_APP_EXIT:
        PostMessageA(handle(), WM_CLOSE, 0, 0);
        return true;
    case ID_TEMPLATE_WINDOW:
        ToggleTemplates();
        return true;
    case ID_APP_ABOUT:
        RunVersionBox(handle(), paths_.assistantPath, loop_);
        return true;
    case ID_WINDOW_ARRANGE:
        SendMessageA(client(), WM_MDIICONARRANGE, 0, 0);
        return true;
    case ID_WINDOW_CASCADE:
        SendMessageA(client(), WM_MDICASCADE, 0, 0);
        return true;
    case ID_WINDOW_TILE:
        SendMessageA(client(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
        return true;
    }
    if (!IsHelpCommand(id))
        return false;
    ShowHelp(id == ID_HELP || id == ID_CONTEXT_HELP);
    return true;
}

bool MainFrame::CommitEdits()
{
    for (ChildWindow* window : windows_.All()) {
        if (SendMessageA(window->handle(), UM_COMMIT_EDITS, 0, 0) != 0)
            return false;
    }
    return true;
}

// Nothing is saved while a form holds a value it refused: half a save
// would write what the user has not finished.
bool MainFrame::SaveAll()
{
    return CommitEdits() && saving_ && saving_->SaveAll();
}

bool MainFrame::CanClose()
{
    if (!CommitEdits())
        return false;
    if (!saving_ || !saving_->IsModified())
        return true;
    std::string question = LoadText(instance_, IDS_SAVE_CHANGES);
    size_t insert = question.find("%1");
    if (insert != std::string::npos)
        question.replace(insert, 2, paths_.settingsPath);
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    switch (MessageBoxA(handle(), question.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        // Only a save that wrote everything may end the editor.
        return saving_->SaveAll();
    case IDNO:
        return true;
    }
    return false;
}

void MainFrame::ToggleTemplates()
{
    if (windows_.Find(WindowKind::Templates))
        windows_.Close(WindowKind::Templates, nullptr);
    else
        windows_.OpenOrActivate(WindowKind::Templates, nullptr, LoadText(instance_, IDS_TEMPLATES_TITLE),
                                makeTemplates_);
}

int MainFrame::ActiveKindId() const
{
    ChildWindow* active = windows_.FromHandle(ActiveChild());
    return active ? static_cast<int>(active->kind()) : IDR_MAINFRAME;
}

// A context request opens the active window's page, the others (and a
// page the file lacks) the file's first page.
void MainFrame::ShowHelp(bool context)
{
    if (GetFileAttributesA(paths_.helpPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    ChildWindow* active = windows_.FromHandle(ActiveChild());
    std::string topic = paths_.helpPath + "::/" +
                        HelpTopicFor(active ? std::optional<WindowKind>(active->kind()) : std::nullopt);
    if (context && help_.Show(handle(), topic, HH_DISPLAY_TOPIC, 0))
        return;
    help_.Show(handle(), paths_.helpPath, HH_DISPLAY_TOPIC, 0);
}

void MainFrame::UpdateMenu(HMENU menu)
{
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        UINT id = GetMenuItemID(menu, position);
        // Submenus, separators, the window list and system commands keep their state.
        if (id == static_cast<UINT>(-1) || id == 0 || id >= 0xF000)
            continue;
        win32::CommandState state = StateOf(static_cast<int>(id));
        EnableMenuItem(menu, position, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, position, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void MainFrame::UpdateToolBar()
{
    for (int id : toolBar_.commands()) {
        win32::CommandState state = StateOf(id);
        toolBar_.SetState(id, state.enabled, state.checked);
    }
}

void MainFrame::UpdateFrameMenu()
{
    int kind = ActiveKindId();
    if (kind == menuKind_)
        return;
    menuKind_ = kind;
    HMENU menu = kind == IDR_SECTION     ? sectionMenu_.get()
                 : kind == IDR_TEMPLATES ? templatesMenu_.get()
                 : kind == IDR_OPTIONS   ? optionsMenu_.get()
                                         : frameMenu_.get();
    HMENU windowMenu = nullptr;
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count && !windowMenu; ++position) {
        HMENU submenu = GetSubMenu(menu, position);
        if (submenu && GetMenuState(submenu, ID_WINDOW_CASCADE, MF_BYCOMMAND) != static_cast<UINT>(-1))
            windowMenu = submenu;
    }
    SetMenus(menu, windowMenu);
}

void MainFrame::OnIdle()
{
    if (!handle())
        return;
    UpdateFrameMenu();
    UpdateToolBar();
    for (ChildWindow* window : windows_.All())
        window->OnIdle();
    if (!promptHeld_)
        ShowBasePrompt();
}

}  // namespace editor
