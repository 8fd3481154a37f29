#pragma once
// The management tree's operations on whole sections, each done as one
// reversible change of the model through the history.
#include <cstddef>
#include <string>
#include "editor/change_history.h"
#include "editor/model_services.h"
#include "editor/settings_model.h"
#include "settings/defaults.h"

namespace editor {

enum class RenameResult { Unchanged, NameTaken, Renamed };

class SectionOperations {
public:
    SectionOperations(SettingsModel& model, ChangeHistory& history, ModelServices& services)
        : model_(model), history_(history), services_(services)
    {
    }

    // A section from the editor's defaults (whatever keys an earlier
    // delete left in the file under its number) with a name no section has
    // and two new empty menus; appended. Returns its place.
    size_t New();
    // Room for one more section: the resident shows no more than its cap.
    bool CanAdd() const { return model_.size() < static_cast<size_t>(settings::kMaxTrayIcons); }
    // As New, with the keys and copies of the menus of the section at source.
    size_t Duplicate(size_t source);
    // Unchanged for an empty or unchanged name; NameTaken when another
    // section has it (without regard to case).
    RenameResult Rename(size_t position, const std::string& name);
    void Delete(size_t position);
    bool CanMoveUp(size_t position) const { return position > 0 && position < model_.size(); }
    bool CanMoveDown(size_t position) const { return position + 1 < model_.size(); }
    void MoveUp(size_t position);
    void MoveDown(size_t position);

private:
    std::unique_ptr<Section> MakeSection(SectionValues values);
    size_t Append(std::unique_ptr<Section> section);

    SettingsModel& model_;
    ChangeHistory& history_;
    ModelServices& services_;
};

}  // namespace editor
