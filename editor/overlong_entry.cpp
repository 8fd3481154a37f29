#include "editor/overlong_entry.h"

#include <algorithm>
#include <utility>
#include <vector>
#include "editor/section/entry_fields.h"
#include "menufile/menu_writer.h"

namespace editor {

namespace {

// As the writer indents: four spaces a level, no deeper than 32 levels.
constexpr size_t kIndentStep = 4;
constexpr size_t kMaxIndentLevel = 32;

// The entry's own fields, without a group's entries (its POPUP line comes
// first) and with the name the writer would give it.
size_t LineLength(const menufile::MenuEntry& entry, const DisplayNameOf& displayName, size_t level)
{
    menufile::MenuEntry alone;
    PutFields(alone, FieldsOf(entry));
    if (alone.IsCommand() && alone.text2.empty())
        alone.text2 = displayName(entry);
    std::string text = menufile::MenuWriter(menufile::WriterInfo{}).EntryText(alone);
    size_t end = text.find("\r\n");
    return std::min(level, kMaxIndentLevel) * kIndentStep + (end == std::string::npos ? text.size() : end);
}

}  // namespace

const menufile::MenuEntry* FindOverlongEntry(const menufile::MenuList& root, const DisplayNameOf& displayName)
{
    std::vector<std::pair<const menufile::MenuEntry*, size_t>> pending;
    for (size_t i = root.entries.size(); i-- > 0;)
        pending.emplace_back(&root.entries[i], 1);
    while (!pending.empty()) {
        auto [entry, level] = pending.back();
        pending.pop_back();
        if (LineLength(*entry, displayName, level) > kLongestMenuLine)
            return entry;
        if (!entry->IsPopup() || !entry->submenu)
            continue;
        for (size_t i = entry->submenu->entries.size(); i-- > 0;)
            pending.emplace_back(&entry->submenu->entries[i], level + 1);
    }
    return nullptr;
}

}  // namespace editor
