#pragma once
// The reversible changes of one side's menu of a section. Each finds its
// menu again by the section's id, so it still applies after sections moved,
// and marks the menu modified both ways: an undo after Save all leaves the
// file behind the model again.
#include <cstdint>
#include <utility>
#include <vector>
#include "editor/section.h"
#include "editor/section/entry_fields.h"
#include "editor/section/entry_path.h"
#include "editor/settings_change.h"

namespace editor {

class MenuChange : public SettingsChange {
public:
    MenuChange(uint64_t sectionId, Side side) : sectionId_(sectionId), side_(side) {}
    void Apply(SettingsModel& model) final;
    void Revert(SettingsModel& model) final;

protected:
    virtual void Forward(menufile::MenuList& root) = 0;
    virtual void Backward(menufile::MenuList& root) = 0;

private:
    EditMenuFile& Menu(SettingsModel& model) const;

    uint64_t sectionId_;
    Side side_;
};

// An entry (with its subtree) put in at path; the later ones move down.
class InsertEntryChange : public MenuChange {
public:
    InsertEntryChange(uint64_t sectionId, Side side, EntryPath path, menufile::MenuEntry entry);

protected:
    void Forward(menufile::MenuList& root) override;
    void Backward(menufile::MenuList& root) override;

private:
    EntryPath path_;
    menufile::MenuEntry held_;
};

// The entry at path taken out with everything under it.
class RemoveEntryChange : public MenuChange {
public:
    RemoveEntryChange(uint64_t sectionId, Side side, EntryPath path);

protected:
    void Forward(menufile::MenuList& root) override;
    void Backward(menufile::MenuList& root) override;

private:
    EntryPath path_;
    menufile::MenuEntry held_;
};

// The entry at from taken out and put in at to; to is a path in the menu
// as it is after the removal.
class MoveEntryChange : public MenuChange {
public:
    MoveEntryChange(uint64_t sectionId, Side side, EntryPath from, EntryPath to);

protected:
    void Forward(menufile::MenuList& root) override;
    void Backward(menufile::MenuList& root) override;

private:
    EntryPath from_, to_;
};

// Entries put in place of others at their places, all in one step (a
// form's edit, a change of kind, colours given to every title). Each holds
// the entry it took out, submenu and all, until it is reverted.
class ReplaceEntriesChange : public MenuChange {
public:
    using Replacement = std::pair<EntryPath, menufile::MenuEntry>;
    ReplaceEntriesChange(uint64_t sectionId, Side side, std::vector<Replacement> replacements);

protected:
    void Forward(menufile::MenuList& root) override { Exchange(root); }
    void Backward(menufile::MenuList& root) override { Exchange(root); }

private:
    void Exchange(menufile::MenuList& root);

    std::vector<Replacement> held_;
};

// New fields for entries at their places, their submenus kept, in one
// step; each holds the fields it replaced.
class EntryFieldsChange : public MenuChange {
public:
    using Edit = std::pair<EntryPath, EntryFields>;
    EntryFieldsChange(uint64_t sectionId, Side side, std::vector<Edit> edits);

protected:
    void Forward(menufile::MenuList& root) override { Exchange(root); }
    void Backward(menufile::MenuList& root) override { Exchange(root); }

private:
    void Exchange(menufile::MenuList& root);

    std::vector<Edit> held_;
};

}  // namespace editor
