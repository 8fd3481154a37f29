#include "editor/change_history.h"

namespace editor {

void ChangeHistory::Do(SettingsModel& model, std::unique_ptr<SettingsChange> change)
{
    changes_.resize(done_);
    change->Apply(model);
    changes_.push_back(std::move(change));
    done_ = changes_.size();
}

bool ChangeHistory::Undo(SettingsModel& model)
{
    if (!CanUndo())
        return false;
    changes_[--done_]->Revert(model);
    return true;
}

bool ChangeHistory::Redo(SettingsModel& model)
{
    if (!CanRedo())
        return false;
    changes_[done_++]->Apply(model);
    return true;
}

}  // namespace editor
