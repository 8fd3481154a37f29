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
    uint64_t sectionId() const override { return sectionId_; }
    Side side() const noexcept { return side_; }
    // The entry to show once the change is undone (or done again): the one
    // it brought back or made, else the place it left (an empty path: the
    // root).
    virtual EntryPath Selection(bool undone) const = 0;

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
    EntryPath Selection(bool undone) const override;

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
    EntryPath Selection(bool undone) const override;

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
    EntryPath Selection(bool undone) const override { return undone ? from_ : to_; }

protected:
    void Forward(menufile::MenuList& root) override;
    void Backward(menufile::MenuList& root) override;

private:
    EntryPath from_, to_;
};

// Swaps value with what stands at entry: the whole entry, or only its
// fields (its submenu kept).
void ExchangeWith(menufile::MenuEntry& entry, menufile::MenuEntry& value);
void ExchangeWith(menufile::MenuEntry& entry, EntryFields& value);

// Values put at entries' places, all in one step; each holds what it
// replaced until it is reverted, so doing and undoing are one exchange.
template <typename Value>
class ExchangeChange : public MenuChange {
public:
    using Held = std::pair<EntryPath, Value>;
    ExchangeChange(uint64_t sectionId, Side side, std::vector<Held> held)
        : MenuChange(sectionId, side), held_(std::move(held))
    {
    }
    EntryPath Selection(bool) const override { return held_.empty() ? EntryPath{} : held_.front().first; }

protected:
    void Forward(menufile::MenuList& root) override { Exchange(root); }
    void Backward(menufile::MenuList& root) override { Exchange(root); }

private:
    void Exchange(menufile::MenuList& root)
    {
        for (Held& held : held_)
            ExchangeWith(*EntryAt(root, held.first), held.second);
    }

    std::vector<Held> held_;
};

// Whole entries (a form's edit, a change of kind, colours given to every
// title), submenu and all.
using ReplaceEntriesChange = ExchangeChange<menufile::MenuEntry>;
// New fields for entries, their submenus kept.
using EntryFieldsChange = ExchangeChange<EntryFields>;

// The menu change of a step to show after undo (its first) or redo (its
// last); null for a step without one.
const MenuChange* ShownMenuChange(const SettingsChange* step, bool undone);

}  // namespace editor
