#include "editor/section/entry_path.h"

#include <algorithm>

namespace editor {

menufile::MenuList* ParentList(menufile::MenuList& root, const EntryPath& path)
{
    if (path.empty())
        return nullptr;
    menufile::MenuList* list = &root;
    for (size_t step = 0; step + 1 < path.size(); ++step) {
        if (path[step] >= list->entries.size())
            return nullptr;
        menufile::MenuEntry& group = list->entries[path[step]];
        if (!group.IsPopup() || !group.submenu)
            return nullptr;
        list = group.submenu.get();
    }
    return list;
}

menufile::MenuEntry* EntryAt(menufile::MenuList& root, const EntryPath& path)
{
    menufile::MenuList* list = ParentList(root, path);
    if (!list || path.back() >= list->entries.size())
        return nullptr;
    return &list->entries[path.back()];
}

bool IsInside(const EntryPath& path, const EntryPath& ancestor)
{
    return ancestor.size() < path.size() && std::equal(ancestor.begin(), ancestor.end(), path.begin());
}

}  // namespace editor
