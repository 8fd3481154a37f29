// Undo and redo in a section's window: the window's own history, and the
// tab, tree and form showing the entry the step brought back.
#include "editor/history_commands.h"
#include "editor/section/menu_change.h"
#include "editor/section/menu_pane.h"
#include "resources/editor/resource_ids.h"

namespace editor {

void MenuPane::RunHistoryStep(int id)
{
    bool undone = id == ID_EDIT_UNDO;
    const MenuChange* change = ShownMenuChange(RunHistoryCommand(history_, model_, id), undone);
    if (!change) {
        SelectTab(TabCtrl_GetCurSel(tabs_));  // an option: its form shows the values again
        return;
    }
    if (change->side() != side_)
        SelectTab(change->side() + 1);
    ShowChanged(change->Selection(undone));
}

}  // namespace editor
