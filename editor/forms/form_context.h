#pragma once
// What every form of a section window works with.
#include <windows.h>
#include <memory>
#include <string>
#include "editor/change_history.h"
#include "editor/section.h"
#include "editor/section/right_pane.h"
#include "editor/settings_model.h"

namespace editor {

struct FormPaths {
    std::string settingsPath;  // the icon chooser's history lives there
    std::string servePath;     // where a service program is picked
    std::string programPath;   // the editor itself: a new command item's path
};

struct FormContext {
    HINSTANCE instance;
    SettingsModel& model;
    ChangeHistory& history;
    const Section& section;
    PaneHost& host;
    FormPaths paths;
};

// The form of a pane class as a child of parent, or nullptr for the item
// list and the classes without a form.
std::unique_ptr<RightPane> MakeForm(PaneClass kind, const FormContext& context, HWND parent);

}  // namespace editor
