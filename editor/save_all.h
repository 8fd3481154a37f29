#pragma once
// Save all: every modified menu file, then the changed keys of the settings
// file in one step, so that no key ever names a file that was not written.
#include <string>
#include "editor/model_services.h"
#include "editor/profile_store.h"
#include "editor/settings_model.h"
#include "menufile/menu_model.h"

namespace editor {

class MenuFileWriter {
public:
    virtual ~MenuFileWriter() = default;
    // Replaces the file at path by the menu, or leaves it as it was; a
    // failure has been shown to the user when false comes back.
    virtual bool Write(const std::string& path, const menufile::MenuList& root) = 0;
};

// The settings file's keys written together: none reach the file before
// Commit, which puts them all there at once or none.
class ProfileTransaction : public ProfileStore {
public:
    // A failure (of a write before, or of the commit) has been shown to the
    // user when false comes back.
    virtual bool Commit() = 0;
};

// False when anything could not be written; what failed stays modified and
// everything else is saved.
bool SaveAll(SettingsModel& model, MenuFileWriter& menus, ProfileTransaction& file,
             const ModelServices& services);

}  // namespace editor
