#pragma once
// The changes done to one part of the settings model, in order, so that
// they can be undone and done again, each step with what it did. Doing a new
// change drops what was undone. The history keeps at most kMaxSteps steps,
// dropping the oldest, so a long session cannot grow without limit.
#include <cstddef>
#include <deque>
#include <memory>
#include "editor/settings_change.h"
#include "editor/step_kind.h"

namespace editor {

class ChangeHistory {
public:
    static constexpr size_t kMaxSteps = 10000;

    // Changes done while a group is open form one step of its kind.
    class Group {
    public:
        explicit Group(ChangeHistory& history, StepKind kind);
        ~Group();
        Group(const Group&) = delete;
        Group& operator=(const Group&) = delete;

    private:
        ChangeHistory& history_;
        bool outermost_;
    };

    // Applies the change to the model and keeps it as a step (or as part
    // of the open group's step).
    void Do(SettingsModel& model, std::unique_ptr<SettingsChange> change, StepKind kind = StepKind::Edit);
    // The change taken back or done again; null when there was none.
    const SettingsChange* Undo(SettingsModel& model);
    const SettingsChange* Redo(SettingsModel& model);
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // What the step that Undo (Redo) would take back (do again) did.
    StepKind UndoKind() const { return steps_[done_ - 1].kind; }
    StepKind RedoKind() const { return steps_[done_].kind; }
    size_t size() const { return steps_.size(); }

private:
    struct Step {
        StepKind kind;
        std::unique_ptr<SettingsChange> change;
    };
    void Keep(Step step);

    std::deque<Step> steps_;
    size_t done_ = 0;  // steps_[0, done_) are applied
    int groupDepth_ = 0;
    StepKind groupKind_ = StepKind::Edit;
    std::unique_ptr<ChangeGroup> group_;
};

}  // namespace editor
