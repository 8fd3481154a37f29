#include "editor/section/entry_drop.h"

#include "editor/section/menu_tree.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

bool IsMenuTree(HWND window)
{
    char className[32] = "";
    return window && GetDlgCtrlID(window) == static_cast<int>(MenuTree::kId) &&
           GetClassNameA(window, className, sizeof className) && lstrcmpiA(className, WC_TREEVIEWA) == 0;
}

}  // namespace

bool TakesEntries(HWND window)
{
    return IsMenuTree(window) && SendMessageA(GetParent(window), UM_DROP_ENTRIES, 0, 0) != 0;
}

bool DropEntries(HWND tree, EntryDrop& drop)
{
    return TakesEntries(tree) &&
           SendMessageA(GetParent(tree), UM_DROP_ENTRIES, 0, reinterpret_cast<LPARAM>(&drop)) != 0;
}

}  // namespace editor
