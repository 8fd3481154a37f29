#pragma once
// What every form of a section window works with.
#include <windows.h>
#include <string>
#include "editor/change_history.h"
#include "editor/section.h"
#include "editor/section/entry_path.h"
#include "editor/settings_model.h"

namespace editor {

struct FormPaths {
    std::string settingsPath;  // the icon chooser's history lives there
    std::string servePath;     // where a service program is picked
    std::string programPath;   // the editor itself: a new command item's path
};

// What a form asks of the window it lives in after it changed the model.
class FormHost {
public:
    virtual ~FormHost() = default;
    // The entry's text or image changed: its tree node follows.
    virtual void EntryChanged(const EntryPath& path) = 0;
    // The entry changed its kind or its path: the tree is built again and
    // the entry chosen anew, so that the form that matches it is shown.
    // Done after the form's handler has returned, as it replaces the form.
    virtual void EntryReplaced(const EntryPath& path) = 0;
};

struct FormContext {
    HINSTANCE instance;
    SettingsModel& model;
    ChangeHistory& history;       // the section's own
    ChangeHistory& frameHistory;  // changes of every section at once
    const Section& section;
    FormHost& host;
    FormPaths paths;
};

// The node a form shows: the tab's side and the entry's path (empty for
// the option nodes).
struct FormSubject {
    int side;
    EntryPath path;
};

}  // namespace editor
