#pragma once
// The editing of one side's menu of a section: new entries, delete, copy
// and the moves, each done as one reversible change through the history.
// Every operation answers with the path the pane selects next.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>
#include "editor/change_history.h"
#include "editor/section/entry_fields.h"
#include "editor/section/entry_path.h"
#include "editor/settings_model.h"

namespace editor {

enum class NewEntryKind { Command, Title, Separator, Group };

// The texts a new entry starts with: the editor's own program (so that a
// new command item is valid at once) and the descriptions of each kind.
struct NewEntryTexts {
    std::string program;
    std::string command;
    std::string title;
    std::string group;
};

// Builds a new entry of a kind; a group holds one new command item.
menufile::MenuEntry MakeNewEntry(NewEntryKind kind, const NewEntryTexts& texts);

class MenuOperations {
public:
    MenuOperations(SettingsModel& model, ChangeHistory& history, uint64_t sectionId, Side side)
        : model_(model), history_(history), sectionId_(sectionId), side_(side)
    {
    }

    // Puts entry right after the entry at after, or at the end of the root
    // list when after is empty (a root or nothing selected) or leads nowhere.
    EntryPath Insert(menufile::MenuEntry entry, const EntryPath& after, StepKind kind = StepKind::New);
    // Removes the entry with everything under it; answers its group's path
    // (empty: the root).
    EntryPath Delete(const EntryPath& path);
    // A copy of the entry at source (a group with all under it) after after.
    EntryPath CopyAfter(const EntryPath& source, const EntryPath& after);
    // The entry moved to right after target (the end of the root list for an
    // empty target). Refused (the source path answered) on itself or when
    // target lies inside the moved group.
    EntryPath MoveAfter(const EntryPath& source, const EntryPath& target);

    // The entry at path replaced whole (a change of kind or of path).
    // False, and nothing changes, when the path leads nowhere.
    bool Replace(const EntryPath& path, menufile::MenuEntry entry, StepKind kind);
    // New fields for entries, their submenus kept, as one change; entries
    // whose fields are already these are left out. False when nothing
    // changed.
    bool SetFields(const std::vector<std::pair<EntryPath, EntryFields>>& edits, StepKind kind);
    bool SetFields(const EntryPath& path, const EntryFields& fields, StepKind kind = StepKind::Edit)
    {
        return SetFields({{path, fields}}, kind);
    }
    // The entry's description (a command item's second text, the first of
    // the other kinds) becomes text.
    EntryPath SetDescription(const EntryPath& path, const std::string& text);

    bool CanMoveInto(const EntryPath& path) const;
    bool CanMoveOut(const EntryPath& path) const;
    bool CanMoveUp(const EntryPath& path) const;
    bool CanMoveDown(const EntryPath& path) const;
    // Into the end of the group just above / right after the enclosing
    // group / one place up or down. Each answers the entry's new path, or
    // the old one when the move is not possible.
    EntryPath MoveInto(const EntryPath& path);
    EntryPath MoveOut(const EntryPath& path);
    EntryPath MoveUp(const EntryPath& path);
    EntryPath MoveDown(const EntryPath& path);

private:
    menufile::MenuList& Root() const;
    bool Exists(const EntryPath& path) const { return EntryAt(Root(), path) != nullptr; }
    EntryPath Move(const EntryPath& from, const EntryPath& to);

    SettingsModel& model_;
    ChangeHistory& history_;
    uint64_t sectionId_;
    Side side_;
};

}  // namespace editor
