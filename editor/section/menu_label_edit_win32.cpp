// Renaming an entry in the tree, and the nodes brought up to date after a
// form changed an entry.
#include "editor/section/entry_text.h"
#include "editor/section/menu_pane.h"
#include "shiftjis/shift_jis.h"

namespace editor {

// Only entries that show a description of their own: not the options tab's
// nodes, the roots or separators.
bool MenuPane::CanEditLabel(HTREEITEM item) const
{
    const TreeNode* node = tree_.NodeOf(item);
    return side_ != kOptionsTab && node && !node->path.empty() && node->kind != kSeparatorNode;
}

// The node keeps the new text (TRUE) only when the entry took it.
bool MenuPane::OnEndLabelEdit(const NMTVDISPINFOA& info)
{
    const TreeNode* node = tree_.NodeOf(info.item.hItem);
    if (!info.item.pszText || !CanEditLabel(info.item.hItem))
        return false;
    const menufile::MenuEntry* entry = EntryOf(node->path);
    const std::string text = info.item.pszText;
    if (!entry || shiftjis::EqualIgnoringCase(text, EntryDisplayText(instance_, *entry)))
        return false;
    Operations().SetDescription(node->path, text);
    return true;
}

void MenuPane::EntryChanged(const EntryPath& path, EntryUpdate update)
{
    const menufile::MenuEntry* entry = EntryOf(path);
    if (update == EntryUpdate::Structure || !entry)
        ShowChanged(path);
    else
        tree_.Refresh(path, *entry, update == EntryUpdate::TextAndImage);
}

}  // namespace editor
