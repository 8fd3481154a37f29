#include "editor/history_commands.h"

#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

bool IsHistoryCommand(int id)
{
    return id == ID_EDIT_UNDO || id == ID_EDIT_REDO;
}

void QueryHistoryCommand(HINSTANCE instance, const ChangeHistory& history, int id, win32::CommandState& state)
{
    bool undo = id == ID_EDIT_UNDO;
    state.enabled = undo ? history.CanUndo() : history.CanRedo();
    if (!state.enabled)
        return;
    StepKind kind = undo ? history.UndoKind() : history.RedoKind();
    state.prompt = FormattedText(instance, undo ? IDS_UNDO_STEP : IDS_REDO_STEP,
                                 LoadText(instance, IDS_STEP_BASE + static_cast<UINT>(kind)));
}

const SettingsChange* RunHistoryCommand(ChangeHistory& history, SettingsModel& model, int id)
{
    return id == ID_EDIT_UNDO ? history.Undo(model) : history.Redo(model);
}

}  // namespace editor
