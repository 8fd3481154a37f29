#pragma once
// Undo (57643) and redo (57644) over one history, for whichever window
// owns that history: their state with a prompt naming the step, and running
// them.
#include <windows.h>
#include "editor/change_history.h"
#include "win32/command_target.h"

namespace editor {

bool IsHistoryCommand(int id);
// The state of undo or redo: enabled when there is a step, the prompt
// "元に戻す: 削除" for it.
void QueryHistoryCommand(HINSTANCE instance, const ChangeHistory& history, int id, win32::CommandState& state);
// The change taken back or done again; null when there was none.
const SettingsChange* RunHistoryCommand(ChangeHistory& history, SettingsModel& model, int id);

}  // namespace editor
