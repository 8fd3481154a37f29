#include "editor/overlong_entry.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace editor {

namespace {

// As the writer indents: four spaces a level, no deeper than 32 levels.
constexpr size_t kIndentStep = 4;
constexpr size_t kMaxIndentLevel = 32;

size_t LineLength(const menufile::MenuEntry& entry, const menufile::MenuWriter& writer, size_t level)
{
    std::string text;
    if (entry.IsPopup()) {
        menufile::MenuEntry alone;  // without its entries: the POPUP line comes first
        alone.text1 = entry.text1;
        alone.iconPath = entry.iconPath;
        alone.iconNumber = entry.iconNumber;
        alone.flags = entry.flags;
        text = writer.EntryText(alone);
    } else {
        text = writer.EntryText(entry);
    }
    size_t end = text.find("\r\n");
    return std::min(level, kMaxIndentLevel) * kIndentStep + (end == std::string::npos ? text.size() : end);
}

}  // namespace

const menufile::MenuEntry* FindOverlongEntry(const menufile::MenuList& root, const menufile::MenuWriter& writer)
{
    std::vector<std::pair<const menufile::MenuEntry*, size_t>> pending;
    for (size_t i = root.entries.size(); i-- > 0;)
        pending.emplace_back(&root.entries[i], 1);
    while (!pending.empty()) {
        auto [entry, level] = pending.back();
        pending.pop_back();
        if (LineLength(*entry, writer, level) > kLongestMenuLine)
            return entry;
        if (!entry->IsPopup() || !entry->submenu)
            continue;
        for (size_t i = entry->submenu->entries.size(); i-- > 0;)
            pending.emplace_back(&entry->submenu->entries[i], level + 1);
    }
    return nullptr;
}

}  // namespace editor
