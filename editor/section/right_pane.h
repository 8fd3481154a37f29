#pragma once
// What the right pane of a section window shows: the item list or a form.
// The section window makes one for the node chosen in the menu tree and
// asks it to commit before it shows another, saves or closes.
#include <windows.h>
#include "editor/section/pane_choice.h"

namespace editor {

class RightPane {
public:
    virtual ~RightPane() = default;
    virtual HWND handle() const = 0;
    // Writes pending edits into the model. False when a value was refused:
    // the user has been told and the field has the focus.
    virtual bool Commit() = 0;
    // Shows the subject from the model again (another node of the same
    // class, or the same one after a change).
    virtual void Show(const PaneSubject& subject) = 0;
};

// What a pane asks of the section window after it changed the model.
class PaneHost {
public:
    virtual ~PaneHost() = default;
    // The entry's text or image changed: its tree node follows.
    virtual void EntryChanged(const EntryPath& path) = 0;
    // The entry changed its kind or its path: the tree is built again and
    // the entry chosen anew, so the pane that matches it is shown. Done
    // after the pane's handler has returned, since it may replace the pane.
    virtual void EntryReplaced(const EntryPath& path) = 0;
};

}  // namespace editor
