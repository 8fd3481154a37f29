#include "editor/change_history.h"

#include <utility>

namespace editor {

ChangeHistory::Group::Group(ChangeHistory& history, StepKind kind)
    : history_(history), outermost_(history.groupDepth_++ == 0)
{
    if (outermost_) {
        history_.groupKind_ = kind;
        history_.group_ = std::make_unique<ChangeGroup>();
    }
}

ChangeHistory::Group::~Group()
{
    --history_.groupDepth_;
    if (!outermost_)
        return;
    std::unique_ptr<ChangeGroup> group = std::move(history_.group_);
    if (!group->empty())
        history_.Keep({history_.groupKind_, std::move(group)});
}

void ChangeHistory::Do(SettingsModel& model, std::unique_ptr<SettingsChange> change, StepKind kind)
{
    change->Apply(model);
    if (group_)
        group_->Add(std::move(change));
    else
        Keep({kind, std::move(change)});
}

void ChangeHistory::Keep(Step step)
{
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps)
        steps_.pop_front();
    done_ = steps_.size();
}

const SettingsChange* ChangeHistory::Undo(SettingsModel& model)
{
    if (!CanUndo())
        return nullptr;
    SettingsChange& change = *steps_[--done_].change;
    change.Revert(model);
    return &change;
}

const SettingsChange* ChangeHistory::Redo(SettingsModel& model)
{
    if (!CanRedo())
        return nullptr;
    SettingsChange& change = *steps_[done_++].change;
    change.Apply(model);
    return &change;
}

}  // namespace editor
