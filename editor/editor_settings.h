#pragma once
// The settings being edited in the running editor: the model with its
// history and section operations, read from Ombrix.ini and the menu files
// at start and written by Save all.
#include <windows.h>
#include <functional>
#include <string>
#include "editor/edit_histories.h"
#include "editor/editor_menu_reports.h"
#include "editor/menu_file_writers.h"
#include "editor/saving.h"
#include "editor/section_operations.h"
#include "editor/system_model_services.h"

namespace editor {

class EditorSettings : public Saving {
public:
    // owner gives the window of the boxes (the frame once it exists).
    EditorSettings(HINSTANCE instance, std::string settingsPath, std::string poolPath, std::function<HWND()> owner);

    // False when the user ended the start in question 170.
    bool Load();
    bool IsModified() const override { return model_.AnythingModified(); }
    bool SaveAll() override;

    SettingsModel& model() noexcept { return model_; }
    // The management tree's history, and a section window's.
    ChangeHistory& history() noexcept { return histories_.frame(); }
    ChangeHistory& historyOf(uint64_t sectionId) { return histories_.ofSection(sectionId); }
    SectionOperations& operations() noexcept { return operations_; }
    ModelServices& services() noexcept { return services_; }

private:
    std::string settingsPath_;
    EditorMenuReports reports_;
    SessionMenuWriter menuWriter_;
    TemporaryMenuWriter temporaryWriter_;
    SystemModelServices services_;
    SettingsModel model_;
    EditHistories histories_;
    SectionOperations operations_{model_, histories_.frame(), services_};
};

}  // namespace editor
