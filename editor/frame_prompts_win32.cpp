// The status bar's prompts and the tool bar's tips, from the string table.
#include "editor/main_frame.h"

#include <commctrl.h>
#include "editor/command_text.h"

namespace editor {

UINT MainFrame::BasePrompt() const
{
    ChildWindow* active = windows_.FromHandle(ActiveChild());
    return active ? active->prompt() : ChildWindow::kIdlePrompt;
}

void MainFrame::ShowPrompt(UINT id)
{
    promptShown_ = id;
    statusBar_.SetText(CommandPrompt(instance_, id));
}

void MainFrame::ShowBasePrompt()
{
    UINT id = BasePrompt();
    if (id != promptShown_)
        ShowPrompt(id);
}

void MainFrame::OnMenuSelect(UINT id, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu)
        return;  // the menu closed: WM_EXITMENULOOP follows
    promptHeld_ = true;
    if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU) || id >= 0xF000)
        statusBar_.SetText("");
    else
        statusBar_.SetText(PromptOf(id));
    promptShown_ = 0;
}

// A command may name what it would do now (undo: the step); the others say
// what the string table says.
std::string MainFrame::PromptOf(UINT id)
{
    win32::CommandState state = StateOf(static_cast<int>(id));
    return state.prompt.empty() ? CommandPrompt(instance_, id) : state.prompt;
}

LRESULT MainFrame::OnNotify(const NMHDR& header)
{
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
        tip_ = CommandTip(instance_, static_cast<UINT>(header.idFrom));
        info.lpszText = &tip_[0];
        return 0;
    }
    if (header.code == TBN_HOTITEMCHANGE && header.hwndFrom == toolBar_.handle()) {
        const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
        promptHeld_ = !(hot.dwFlags & HICF_LEAVING) && hot.idNew;
        if (promptHeld_) {
            statusBar_.SetText(PromptOf(static_cast<UINT>(hot.idNew)));
            promptShown_ = 0;
        } else {
            ShowBasePrompt();
        }
    }
    return 0;
}

}  // namespace editor
