#pragma once
// The changes done to the settings model, in order, so that they can be
// undone and done again. Doing a new change drops what was undone.
#include <cstddef>
#include <memory>
#include <vector>
#include "editor/settings_change.h"

namespace editor {

class ChangeHistory {
public:
    // Applies the change to the model and keeps it.
    void Do(SettingsModel& model, std::unique_ptr<SettingsChange> change);
    bool Undo(SettingsModel& model);
    bool Redo(SettingsModel& model);
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < changes_.size(); }

private:
    std::vector<std::unique_ptr<SettingsChange>> changes_;
    size_t done_ = 0;  // changes_[0, done_) are applied
};

}  // namespace editor
