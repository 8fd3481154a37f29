#pragma once
// The seam between the two panes of a section's window. The tree on the
// left names the node chosen; the right pane shows the item list for a root
// or, for every other node, a form made by the forms' side. A form that
// committed a change (through the change history, like every change) tells
// the tree, which brings the entry's node up to date.
#include <windows.h>
#include <functional>
#include <memory>
#include "editor/section.h"
#include "editor/section/entry_path.h"
#include "editor/section/node_kind.h"

namespace editor {

// The node chosen in the tree.
struct ChosenNode {
    NodeKind kind = kOptionsRootNode;
    bool shortcut = false;  // a command item whose path is a shell link
    int side = kOptionsTab;  // kOptionsTab, kLeft or kRight
    EntryPath path;          // the entry; empty for the roots and the option nodes
};

// What changed in a committed entry, and so what its node shows again.
enum class EntryUpdate {
    Structure = 0,     // the tree is built again, the entry selected by its path
    TextAndImage = 1,  // the entry was replaced or its text changed
    Image = 2,         // only its flags or its icon changed
};

class TreeUpdates {
public:
    virtual ~TreeUpdates() = default;
    virtual void EntryChanged(const EntryPath& path, EntryUpdate update) = 0;
};

// The forms of the right pane.
class FormPane {
public:
    virtual ~FormPane() = default;
    // Makes the pane's window, a hidden child of parent; null on failure.
    virtual HWND Create(HWND parent) = 0;
    // Commits the form shown so far, then shows the node's form. False for a
    // node without a form (the roots): the item list is shown instead.
    virtual bool Show(const ChosenNode& node) = 0;
    // Writes a pending edit into the model (UM_COMMIT_EDITS, closing).
    // False when a value was refused: the user has been told and the field
    // has the focus.
    virtual bool CommitEdits() = 0;
    // The form's dialog while one is shown, for the dialog keys.
    virtual HWND CurrentForm() const { return nullptr; }
};

// Makes the forms of one section's window, which hands in its tree.
using FormPaneFactory = std::function<std::unique_ptr<FormPane>(const Section& section, TreeUpdates& tree)>;

}  // namespace editor
