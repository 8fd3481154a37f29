#include "editor/section/menu_change.h"

#include <utility>
#include "editor/settings_model.h"

namespace editor {

namespace {

// The callers checked the paths against the menu when they made the change,
// and the history applies changes only in order.
menufile::MenuEntry Take(menufile::MenuList& root, const EntryPath& path)
{
    std::vector<menufile::MenuEntry>& entries = ParentList(root, path)->entries;
    menufile::MenuEntry entry = std::move(entries[path.back()]);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(path.back()));
    return entry;
}

void Put(menufile::MenuList& root, const EntryPath& path, menufile::MenuEntry entry)
{
    std::vector<menufile::MenuEntry>& entries = ParentList(root, path)->entries;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(path.back()), std::move(entry));
}

// Where an entry at path was: its neighbour above, else its group.
EntryPath PlaceLeft(EntryPath path)
{
    if (path.back() > 0)
        --path.back();
    else
        path.pop_back();
    return path;
}

}  // namespace

EntryPath InsertEntryChange::Selection(bool undone) const
{
    return undone ? PlaceLeft(path_) : path_;
}

EntryPath RemoveEntryChange::Selection(bool undone) const
{
    return undone ? path_ : PlaceLeft(path_);
}

const MenuChange* ShownMenuChange(const SettingsChange* step, bool undone)
{
    if (const auto* group = dynamic_cast<const ChangeGroup*>(step)) {
        const auto& changes = group->changes();
        return changes.empty() ? nullptr : ShownMenuChange((undone ? changes.front() : changes.back()).get(), undone);
    }
    return dynamic_cast<const MenuChange*>(step);
}

void MenuChange::Apply(SettingsModel& model)
{
    EditMenuFile& menu = Menu(model);
    Forward(*menu.root());
    menu.set_modified(true);
}

void MenuChange::Revert(SettingsModel& model)
{
    EditMenuFile& menu = Menu(model);
    Backward(*menu.root());
    menu.set_modified(true);
}

EditMenuFile& MenuChange::Menu(SettingsModel& model) const
{
    return *model.section(model.PositionOf(sectionId_)).menu(side_);
}

InsertEntryChange::InsertEntryChange(uint64_t sectionId, Side side, EntryPath path, menufile::MenuEntry entry)
    : MenuChange(sectionId, side), path_(std::move(path)), held_(std::move(entry))
{
}

void InsertEntryChange::Forward(menufile::MenuList& root)
{
    Put(root, path_, std::move(held_));
}

void InsertEntryChange::Backward(menufile::MenuList& root)
{
    held_ = Take(root, path_);
}

RemoveEntryChange::RemoveEntryChange(uint64_t sectionId, Side side, EntryPath path)
    : MenuChange(sectionId, side), path_(std::move(path))
{
}

void RemoveEntryChange::Forward(menufile::MenuList& root)
{
    held_ = Take(root, path_);
}

void RemoveEntryChange::Backward(menufile::MenuList& root)
{
    Put(root, path_, std::move(held_));
}

MoveEntryChange::MoveEntryChange(uint64_t sectionId, Side side, EntryPath from, EntryPath to)
    : MenuChange(sectionId, side), from_(std::move(from)), to_(std::move(to))
{
}

void MoveEntryChange::Forward(menufile::MenuList& root)
{
    Put(root, to_, Take(root, from_));
}

void MoveEntryChange::Backward(menufile::MenuList& root)
{
    Put(root, from_, Take(root, to_));
}

void ExchangeWith(menufile::MenuEntry& entry, menufile::MenuEntry& value)
{
    std::swap(entry, value);
}

void ExchangeWith(menufile::MenuEntry& entry, EntryFields& value)
{
    EntryFields old = FieldsOf(entry);
    PutFields(entry, value);
    value = std::move(old);
}

}  // namespace editor
