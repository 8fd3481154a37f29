// Entries dragged inside the tree (a move; a copy when Ctrl was down as the
// drag began) and files dropped from the shell. A drop lands after the
// entry under the point, at the end of the menu on a root; so do the
// entries the services browser hands over (UM_DROP_ENTRIES).
#include "editor/section/menu_pane.h"
#include "win32/drag_messages.h"
#include "win32/file_drop.h"

namespace editor {

HTREEITEM MenuPane::ItemAt(POINT paneClient) const
{
    TVHITTESTINFO hit = {};
    hit.pt = paneClient;
    MapWindowPoints(handle(), tree_.handle(), &hit.pt, 1);
    HTREEITEM item = TreeView_HitTest(tree_.handle(), &hit);
    return hit.flags & TVHT_ONITEM ? item : nullptr;
}

const TreeNode* MenuPane::NodeAt(POINT paneClient) const
{
    return tree_.NodeOf(ItemAt(paneClient));
}

void MenuPane::OnDropFiles(HDROP drop)
{
    win32::FileDrop dropped = win32::TakeFileDrop(drop);
    std::vector<menufile::MenuEntry> entries(dropped.files.size());
    for (size_t index = 0; index < entries.size(); ++index)
        entries[index].text1 = dropped.files[index];
    InsertDropped(dropped.point, std::move(entries));
}

bool MenuPane::OnDropEntries(EntryDrop& drop)
{
    POINT at = drop.screen;
    ScreenToClient(handle(), &at);
    return InsertDropped(at, std::move(drop.entries));
}

bool MenuPane::InsertDropped(POINT paneClient, std::vector<menufile::MenuEntry> entries)
{
    if (side_ == kOptionsTab || entries.empty())
        return false;
    const TreeNode* node = NodeAt(paneClient);
    EntryPath after = node ? node->path : EntryPath{};
    {
        ChangeHistory::Group group(history_, StepKind::Drop);
        for (menufile::MenuEntry& entry : entries)
            after = Operations().Insert(std::move(entry), after, StepKind::Drop);
    }
    ShowChanged(after);
    return true;
}

void MenuPane::OnBeginDrag(const NMTREEVIEWA& info)
{
    const TreeNode* node = tree_.NodeOf(info.itemNew.hItem);
    if (side_ == kOptionsTab || !node || node->path.empty())
        return;
    drag_ = TreeDrag{node->path, info.itemNew.hItem, GetKeyState(VK_CONTROL) < 0,
                     win32::UniqueImageList(TreeView_CreateDragImage(tree_.handle(), info.itemNew.hItem))};
    if (drag_->image) {
        ImageList_BeginDrag(drag_->image.get(), 0, 0, 0);
        ImageList_DragEnter(tree_.handle(), info.ptDrag.x, info.ptDrag.y);
    }
    // The keys come to the focus: Esc has to reach this window.
    SetFocus(handle());
    SetCapture(handle());
}

bool MenuPane::CanDropOn(const TreeNode* target) const
{
    if (!drag_ || !target || target->path == drag_->source)
        return false;
    return drag_->copy || !IsInside(target->path, drag_->source);
}

void MenuPane::OnDragMove(POINT paneClient)
{
    HTREEITEM item = ItemAt(paneClient);
    const TreeNode* target = tree_.NodeOf(item);
    POINT inTree = paneClient;
    MapWindowPoints(handle(), tree_.handle(), &inTree, 1);
    ImageList_DragShowNolock(FALSE);
    TreeView_SelectDropTarget(tree_.handle(), CanDropOn(target) ? item : nullptr);
    ImageList_DragShowNolock(TRUE);
    ImageList_DragMove(inTree.x, inTree.y);
    SetCursor(LoadCursor(nullptr, CanDropOn(target) ? IDC_ARROW : IDC_NO));
}

void MenuPane::OnDrop(POINT paneClient)
{
    const TreeNode* target = NodeAt(paneClient);
    if (!CanDropOn(target)) {
        EndDrag();
        return;
    }
    TreeDrag drag = std::move(*drag_);
    EntryPath after = target->path;
    EndDrag();
    ShowChanged(drag.copy ? Operations().CopyAfter(drag.source, after) : Operations().MoveAfter(drag.source, after));
}

// The drag's state goes before the capture: releasing it sends
// WM_CAPTURECHANGED at once, which ends a drag still under way.
void MenuPane::EndDrag()
{
    if (!drag_)
        return;
    drag_.reset();
    ImageList_DragLeave(tree_.handle());
    ImageList_EndDrag();
    TreeView_SelectDropTarget(tree_.handle(), nullptr);
    ReleaseCapture();
    SetFocus(tree_.handle());
}

bool MenuPane::OnDragMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return drag_ && win32::RouteDragMessage(message, wParam, lParam,
                                            {[this](POINT at, WPARAM) { OnDragMove(at); },
                                             [this](POINT at) { OnDrop(at); }, [this] { EndDrag(); }});
}

}  // namespace editor
