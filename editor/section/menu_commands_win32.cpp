// The menu tree's commands: new entries of four kinds, delete with its
// question, the four moves and the clipboard, offered on the menu tabs only.
#include <string>
#include "editor/command_text.h"
#include "editor/history_commands.h"
#include "editor/section/entry_text.h"
#include "editor/section/menu_pane.h"
#include "resources/editor/resource_ids.h"
#include "win32/module_path.h"

namespace editor {

namespace {

bool IsTreeCommand(int id)
{
    return (id >= ID_DELETE_ITEM && id <= ID_NEW_TITLE && id != ID_PARENT_NODE) ||
           (id >= ID_LEVEL_DOWN && id <= ID_MOVE_DOWN) || id == ID_EDIT_COPY || id == ID_EDIT_CUT ||
           id == ID_EDIT_PASTE;
}

}  // namespace

bool MenuPane::QueryCommand(int id, win32::CommandState& state)
{
    if (IsHistoryCommand(id)) {
        QueryHistoryCommand(instance_, history_, id, state);
        return true;
    }
    if (!IsTreeCommand(id))
        return false;
    state.enabled = side_ != kOptionsTab && CanRun(id);
    return true;
}

bool MenuPane::RunCommand(int id)
{
    if (IsHistoryCommand(id)) {
        RunHistoryStep(id);
        return true;
    }
    if (!IsTreeCommand(id))
        return false;
    if (side_ == kOptionsTab || !CanRun(id))
        return true;
    if (std::optional<EntryPath> changed = Run(id))
        ShowChanged(*changed);
    return true;
}

MenuOperations MenuPane::Operations() const
{
    return MenuOperations(model_, history_, section_.id(), static_cast<Side>(side_));
}

bool MenuPane::CanRun(int id) const
{
    MenuOperations operations = Operations();
    switch (id) {
    case ID_DELETE_ITEM:
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
        return !current_.empty();
    case ID_EDIT_PASTE:
        return ClipboardHoldsEntry();
    case ID_LEVEL_DOWN:
        return operations.CanMoveInto(current_);
    case ID_LEVEL_UP:
        return operations.CanMoveOut(current_);
    case ID_MOVE_UP:
        return operations.CanMoveUp(current_);
    case ID_MOVE_DOWN:
        return operations.CanMoveDown(current_);
    default:
        return true;  // the new entries
    }
}

std::optional<EntryPath> MenuPane::Run(int id)
{
    MenuOperations operations = Operations();
    switch (id) {
    case ID_EDIT_COPY:
        CopyEntry();
        return std::nullopt;
    case ID_EDIT_CUT:
        return Cut();
    case ID_EDIT_PASTE:
        return Paste();
    case ID_NEW_ITEM:
        return AddNew(NewEntryKind::Command);
    case ID_NEW_TITLE:
        return AddNew(NewEntryKind::Title);
    case ID_NEW_SEPARATOR:
        return AddNew(NewEntryKind::Separator);
    case ID_NEW_GROUP:
        return AddNew(NewEntryKind::Group);
    case ID_DELETE_ITEM:
        return AskAndDelete();
    case ID_LEVEL_DOWN:
        return operations.MoveInto(current_);
    case ID_LEVEL_UP:
        return operations.MoveOut(current_);
    case ID_MOVE_UP:
        return operations.MoveUp(current_);
    default:
        return operations.MoveDown(current_);
    }
}

EntryPath MenuPane::AddNew(NewEntryKind kind)
{
    NewEntryTexts texts{win32::ThisProgramPath(), LoadText(instance_, IDS_NEW_ITEM),
                        LoadText(instance_, IDS_NEW_TITLE), LoadText(instance_, IDS_NEW_GROUP)};
    return Operations().Insert(MakeNewEntry(kind, texts), current_);
}

// A separator, a group (with all it holds) or another entry: each has its
// own question, naming the node.
EntryPath MenuPane::AskAndDelete()
{
    const menufile::MenuEntry* entry = EntryAt(*section_.menu(static_cast<Side>(side_))->root(), current_);
    if (!entry)
        return current_;
    NodeKind kind = KindOf(*entry);
    UINT id = kind == kSeparatorNode ? IDS_CONFIRM_DELETE_SEPARATOR
              : kind == kGroupNode   ? IDS_CONFIRM_DELETE_GROUP
                                     : IDS_CONFIRM_DELETE;
    std::string question = LoadText(instance_, id);
    size_t mark = question.find("%s");
    if (mark != std::string::npos)
        question.replace(mark, 2, EntryDisplayText(instance_, *entry));
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    if (MessageBoxA(formTarget_, question.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return current_;
    return Operations().Delete(current_);
}

void MenuPane::ShowChanged(const EntryPath& path)
{
    tree_.Rebuild(side_, TabText(), section_);
    if (!tree_.Select(path))
        OnSelectionChanged();
}

}  // namespace editor
