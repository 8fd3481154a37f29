#include "editor/forms/title_colouring.h"

namespace editor {

std::vector<std::pair<EntryPath, EntryFields>> RecolourAllTitles(const menufile::MenuList& root,
                                                                 const std::string& parameters)
{
    std::vector<std::pair<EntryPath, EntryFields>> edits;
    std::vector<std::pair<const menufile::MenuList*, EntryPath>> pending{{&root, {}}};
    while (!pending.empty()) {
        auto [list, prefix] = std::move(pending.back());
        pending.pop_back();
        for (size_t i = list->entries.size(); i-- > 0;) {
            const menufile::MenuEntry& entry = list->entries[i];
            EntryPath path = prefix;
            path.push_back(i);
            if (entry.IsPopup() && entry.submenu)
                pending.emplace_back(entry.submenu.get(), path);
            else if (entry.IsTitle() && entry.parameters != parameters)
                edits.emplace_back(path, FieldsOf(entry));
        }
    }
    for (auto& edit : edits)
        edit.second.parameters = parameters;
    return edits;
}

}  // namespace editor
