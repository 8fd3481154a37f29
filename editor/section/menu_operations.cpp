#include "editor/section/menu_operations.h"

#include <algorithm>
#include <memory>
#include <utility>
#include "editor/section/menu_change.h"

namespace editor {

namespace {

EntryPath Parent(EntryPath path)
{
    path.pop_back();
    return path;
}

EntryPath Sibling(EntryPath path, size_t index)
{
    path.back() = index;
    return path;
}

// Where a path points once the entry at removed has been taken out.
EntryPath AfterRemoval(EntryPath path, const EntryPath& removed)
{
    size_t depth = removed.size() - 1;
    if (path.size() > depth && std::equal(removed.begin(), removed.begin() + depth, path.begin()) &&
        path[depth] > removed[depth])
        --path[depth];
    return path;
}

}  // namespace

menufile::MenuEntry MakeNewEntry(NewEntryKind kind, const NewEntryTexts& texts)
{
    menufile::MenuEntry entry;
    switch (kind) {
    case NewEntryKind::Command:
        entry.text1 = texts.program;
        entry.text2 = texts.command;
        break;
    case NewEntryKind::Title:
        entry.text1 = texts.title;
        entry.flags = menufile::ITEM_STATIC;
        break;
    case NewEntryKind::Separator:
        entry.flags = menufile::ITEM_SEPARATOR;
        break;
    case NewEntryKind::Group:
        entry.text1 = texts.group;
        entry.flags = menufile::ITEM_POPUP;
        entry.submenu = std::make_unique<menufile::MenuList>();
        entry.submenu->entries.push_back(MakeNewEntry(NewEntryKind::Command, texts));
        break;
    }
    return entry;
}

EntryPath MenuOperations::Insert(menufile::MenuEntry entry, const EntryPath& after, StepKind kind)
{
    EntryPath path = Exists(after) ? Sibling(after, after.back() + 1) : EntryPath{Root().entries.size()};
    history_.Do(model_, std::make_unique<InsertEntryChange>(sectionId_, side_, path, std::move(entry)), kind);
    return path;
}

EntryPath MenuOperations::Delete(const EntryPath& path)
{
    if (!Exists(path))
        return path;
    history_.Do(model_, std::make_unique<RemoveEntryChange>(sectionId_, side_, path), StepKind::Delete);
    return Parent(path);
}

EntryPath MenuOperations::CopyAfter(const EntryPath& source, const EntryPath& after)
{
    const menufile::MenuEntry* entry = EntryAt(Root(), source);
    return entry ? Insert(menufile::CopyEntry(*entry), after, StepKind::Copy) : source;
}

EntryPath MenuOperations::MoveAfter(const EntryPath& source, const EntryPath& target)
{
    if (!Exists(source) || source == target || IsInside(target, source))
        return source;
    if (!Exists(target))
        return Move(source, EntryPath{Root().entries.size() - (source.size() == 1 ? 1 : 0)});
    EntryPath after = AfterRemoval(target, source);
    return Move(source, Sibling(after, after.back() + 1));
}

bool MenuOperations::Replace(const EntryPath& path, menufile::MenuEntry entry, StepKind kind)
{
    if (!Exists(path))
        return false;
    std::vector<ReplaceEntriesChange::Held> replacements;
    replacements.emplace_back(path, std::move(entry));
    history_.Do(model_, std::make_unique<ReplaceEntriesChange>(sectionId_, side_, std::move(replacements)), kind);
    return true;
}

bool MenuOperations::SetFields(const std::vector<std::pair<EntryPath, EntryFields>>& edits, StepKind kind)
{
    std::vector<EntryFieldsChange::Held> changed;
    for (const auto& edit : edits) {
        const menufile::MenuEntry* entry = EntryAt(Root(), edit.first);
        if (entry && FieldsOf(*entry) != edit.second)
            changed.push_back(edit);
    }
    if (changed.empty())
        return false;
    history_.Do(model_, std::make_unique<EntryFieldsChange>(sectionId_, side_, std::move(changed)), kind);
    return true;
}

EntryPath MenuOperations::SetDescription(const EntryPath& path, const std::string& text)
{
    const menufile::MenuEntry* entry = EntryAt(Root(), path);
    if (!entry)
        return path;
    EntryFields fields = FieldsOf(*entry);
    PutDescription(fields, text);
    SetFields({{path, fields}}, StepKind::Rename);
    return path;
}

bool MenuOperations::CanMoveInto(const EntryPath& path) const
{
    if (!Exists(path) || path.back() == 0)
        return false;
    const menufile::MenuEntry* above = EntryAt(Root(), Sibling(path, path.back() - 1));
    return above->IsPopup() && above->submenu;
}

bool MenuOperations::CanMoveOut(const EntryPath& path) const
{
    return path.size() > 1 && Exists(path);
}

bool MenuOperations::CanMoveUp(const EntryPath& path) const
{
    return Exists(path) && path.back() > 0;
}

bool MenuOperations::CanMoveDown(const EntryPath& path) const
{
    return Exists(path) && path.back() + 1 < ParentList(Root(), path)->entries.size();
}

EntryPath MenuOperations::MoveInto(const EntryPath& path)
{
    if (!CanMoveInto(path))
        return path;
    EntryPath group = Sibling(path, path.back() - 1);
    EntryPath to = group;
    to.push_back(EntryAt(Root(), group)->submenu->entries.size());
    return Move(path, to);
}

EntryPath MenuOperations::MoveOut(const EntryPath& path)
{
    if (!CanMoveOut(path))
        return path;
    EntryPath to = Parent(path);
    ++to.back();
    return Move(path, to);
}

EntryPath MenuOperations::MoveUp(const EntryPath& path)
{
    return CanMoveUp(path) ? Move(path, Sibling(path, path.back() - 1)) : path;
}

EntryPath MenuOperations::MoveDown(const EntryPath& path)
{
    return CanMoveDown(path) ? Move(path, Sibling(path, path.back() + 1)) : path;
}

menufile::MenuList& MenuOperations::Root() const
{
    return *model_.section(model_.PositionOf(sectionId_)).menu(side_)->root();
}

EntryPath MenuOperations::Move(const EntryPath& from, const EntryPath& to)
{
    history_.Do(model_, std::make_unique<MoveEntryChange>(sectionId_, side_, from, to), StepKind::Move);
    return to;
}

}  // namespace editor
