#include "editor/section_menus_window.h"

#include <commctrl.h>
#include <utility>
#include <vector>
#include "editor/section_icon.h"
#include "menufile/menu_writer.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

// The text an entry shows: a command item's description, else its path;
// the description of the other kinds.
std::string EntryText(const menufile::MenuEntry& entry)
{
    if (entry.IsSeparator())
        return "----------";
    if (entry.IsCommand() && !entry.text2.empty())
        return entry.text2;
    return entry.text1;
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const std::string& text)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

bool SectionMenusWindow::OnCreate()
{
    if (!SectionWindow::OnCreate())
        return false;
    HWND parent = splitter().handle();
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kTreeId), instance_, nullptr);
    HWND right = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                 nullptr, instance_, nullptr);
    if (!tree_ || !right)
        return false;
    for (Side side : {kLeft, kRight}) {
        const EditMenuFile* menu = section_.menu(side);
        HTREEITEM top = AddItem(tree_, TVI_ROOT, menufile::FileNameOf(section_.values().menus[side].path));
        if (menu && menu->root())
            FillMenu(top, *menu->root());
        TreeView_Expand(tree_, top, TVE_EXPAND);
    }
    splitter().SetPanes(tree_, right);
    SetIcons();
    SendMessageA(handle(), UM_SET_PROMPT, IDS_SECTION_PROMPT, 0);
    return true;
}

// Depth first without recursion: a menu may nest very deep.
void SectionMenusWindow::FillMenu(HTREEITEM parent, const menufile::MenuList& list)
{
    std::vector<std::pair<HTREEITEM, const menufile::MenuList*>> pending{{parent, &list}};
    while (!pending.empty()) {
        auto [item, menu] = pending.back();
        pending.pop_back();
        for (const menufile::MenuEntry& entry : menu->entries) {
            HTREEITEM added = AddItem(tree_, item, EntryText(entry));
            if (entry.IsPopup() && entry.submenu)
                pending.emplace_back(added, entry.submenu.get());
        }
    }
}

void SectionMenusWindow::SetIcons()
{
    largeIcon_ = SectionIcon(instance_, section_.values(), false);
    smallIcon_ = SectionIcon(instance_, section_.values(), true);
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

}  // namespace editor
