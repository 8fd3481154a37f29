#pragma once
// Reading the settings file into the model, and making the menus of a
// section that is new or read.
#include <memory>
#include <string>
#include "editor/model_services.h"
#include "editor/profile_store.h"
#include "editor/settings_model.h"

namespace editor {

// Reads [Main] and every section, with their menu files. A menu file that
// cannot be read asks question 170; false when the user answered Cancel at
// start-up, which ends the editor (nothing has been edited yet).
bool LoadSettings(SettingsModel& model, const ProfileStore& store, ModelServices& services);

// Reads one menu file with question 170 on failure. Later in a session a
// Cancel acts as the answer "new file", so no edit is ever lost to it.
// False only for Cancel at start-up.
bool LoadMenuAsking(EditMenuFile& menu, ModelServices& services, bool startingUp);

// The menu of one side after reading: a menu without a file (none given, or
// it could not be opened) becomes a new empty one with a new name; a menu
// that was given another file takes its name. The section is marked
// modified when its keys change.
void SettleMenu(Section& section, Side side, const SettingsModel& model, ModelServices& services);

// A Desc no other section has: "Tray_" and the time in hexadecimal,
// counted up while taken.
std::string NewDescription(const SettingsModel& model, uint32_t secondsSince1970);

// Whether another menu of the model or a file on disk has that path.
bool MenuPathTaken(const SettingsModel& model, const ModelServices& services, const std::string& path);

}  // namespace editor
