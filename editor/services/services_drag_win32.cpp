// Dragging objects or a whole category from the browser onto a section
// window's menu tree: the drag image over the screen, the drop highlight on
// the tree under the mouse, cursors 5232 (a drop is taken) and 5230 (none).
// Esc and a lost capture end the drag with nothing put in.
#include "editor/services/services_window.h"

#include "editor/command_text.h"
#include "editor/section/entry_drop.h"
#include "editor/services/object_entries.h"
#include "resources/editor/resource_ids.h"
#include "win32/drag_messages.h"
#include "win32/file_error_report.h"

namespace editor {

namespace {

// Where the cursor sits on the drag image.
constexpr int kImageHotSpot = 8;

// The drag image is drawn over the frame, in its window's coordinates.
POINT OnImageWindow(HWND window, POINT screen)
{
    RECT box = {};
    GetWindowRect(window, &box);
    return {screen.x - box.left, screen.y - box.top};
}

HTREEITEM TreeItemAt(HWND tree, POINT screen)
{
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    return hit.flags & TVHT_ONITEM ? item : nullptr;
}

std::string ItemText(HWND tree, HTREEITEM item)
{
    char text[MAX_PATH] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &data);
    return text;
}

}  // namespace

void ServicesWindow::BeginCategoryDrag(const NMTREEVIEWA& info)
{
    int category = CategoryOf(info.itemNew.hItem);
    if (category == kServicesRoot)
        return;
    ObjectDrag drag;
    for (const ServiceObject& object : Objects(category))
        drag.objects.push_back(&object);
    drag.group = ItemText(tree_, info.itemNew.hItem);
    drag.image.reset(TreeView_CreateDragImage(tree_, info.itemNew.hItem));
    POINT screen = info.ptDrag;
    ClientToScreen(tree_, &screen);
    BeginDrag(std::move(drag), screen);
}

void ServicesWindow::BeginRowsDrag(const NMLISTVIEW& info)
{
    ObjectDrag drag;
    drag.objects = list_.Selected();
    if (drag.objects.empty())
        return;
    POINT origin = {};
    drag.image.reset(ListView_CreateDragImage(list_.handle(), info.iItem, &origin));
    POINT screen = info.ptAction;
    ClientToScreen(list_.handle(), &screen);
    BeginDrag(std::move(drag), screen);
}

void ServicesWindow::BeginDrag(ObjectDrag drag, POINT screen)
{
    drag_ = std::move(drag);
    if (drag_->image) {
        POINT at = OnImageWindow(GetAncestor(handle(), GA_ROOT), screen);
        ImageList_BeginDrag(drag_->image.get(), 0, kImageHotSpot, kImageHotSpot);
        ImageList_DragEnter(GetAncestor(handle(), GA_ROOT), at.x, at.y);
    }
    // Esc reaches the focus.
    SetFocus(handle());
    SetCapture(handle());
    SetCursor(LoadCursorA(context_.instance, MAKEINTRESOURCEA(IDC_NO_DROP)));
}

bool ServicesWindow::OnDragMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto screen = [this](POINT client) {
        ClientToScreen(handle(), &client);
        return client;
    };
    return drag_ && win32::RouteDragMessage(
                        message, wParam, lParam,
                        {[=](POINT at, WPARAM keys) { OnDragMove(screen(at), (keys & MK_MBUTTON) != 0); },
                         [=](POINT at) { OnDrop(screen(at)); }, [this] { EndDrag(); }});
}

void ServicesWindow::SetDropTarget(HWND tree, HTREEITEM item)
{
    if (drag_->target && drag_->target != tree)
        TreeView_SelectDropTarget(drag_->target, nullptr);
    drag_->target = tree;
    if (tree)
        TreeView_SelectDropTarget(tree, item);
}

void ServicesWindow::OnDragMove(POINT screen, bool expand)
{
    HWND under = WindowFromPoint(screen);
    bool takes = TakesEntries(under);
    HTREEITEM item = takes ? TreeItemAt(under, screen) : nullptr;
    if (expand && item && TreeView_GetChild(under, item))
        TreeView_Expand(under, item, TVE_EXPAND);
    ImageList_DragShowNolock(FALSE);
    SetDropTarget(takes ? under : nullptr, item);
    ImageList_DragShowNolock(TRUE);
    POINT at = OnImageWindow(GetAncestor(handle(), GA_ROOT), screen);
    ImageList_DragMove(at.x, at.y);
    SetCursor(LoadCursorA(context_.instance, MAKEINTRESOURCEA(takes ? IDC_DROP : IDC_NO_DROP)));
}

// The capture goes before any box: a message box under a captured mouse
// could not be answered.
void ServicesWindow::OnDrop(POINT screen)
{
    HWND under = WindowFromPoint(screen);
    ObjectDrag drag = std::move(*drag_);
    EndDrag();
    if (!TakesEntries(under))
        return;
    EntryDrop drop{screen, EntriesOf(drag)};
    if (!drop.entries.empty())
        DropEntries(under, drop);
}

// The drag's state goes before the capture: releasing it sends
// WM_CAPTURECHANGED at once.
void ServicesWindow::EndDrag()
{
    if (!drag_)
        return;
    HWND target = drag_->target;
    drag_.reset();
    ImageList_DragLeave(GetAncestor(handle(), GA_ROOT));
    ImageList_EndDrag();
    if (target)
        TreeView_SelectDropTarget(target, nullptr);
    ReleaseCapture();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

std::vector<menufile::MenuEntry> ServicesWindow::EntriesOf(const ObjectDrag& drag)
{
    ObjectEntries maker(context_.poolPath);
    std::vector<menufile::MenuEntry> entries = maker.EntriesOf(drag.objects);
    if (!maker.failures().empty()) {
        const ShortcutFailure& first = maker.failures().front();
        std::string caption = LoadText(context_.instance, IDS_APP_TITLE);
        win32::ShowFileError({GetAncestor(handle(), GA_ROOT), context_.instance, caption.c_str()},
                             HRESULT_CODE(first.result), first.path, MB_OK | MB_ICONEXCLAMATION);
    }
    if (!drag.group || entries.empty())
        return entries;
    menufile::MenuEntry group;
    group.text1 = *drag.group;
    group.flags = menufile::ITEM_POPUP;
    group.submenu = std::make_unique<menufile::MenuList>();
    group.submenu->entries = std::move(entries);
    std::vector<menufile::MenuEntry> one;
    one.push_back(std::move(group));
    return one;
}

}  // namespace editor
