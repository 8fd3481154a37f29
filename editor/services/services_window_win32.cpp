#include "editor/services/services_window.h"

#include <shellapi.h>
#include "editor/command_text.h"
#include "menufile/special_folder_shell.h"
#include "resources/editor/resource_ids.h"
#include "win32/tree_view.h"

namespace editor {

namespace {

const char kRootText[] = "下のｱｲｺﾝをｸﾘｯｸしてください";

int AddIcon(HIMAGELIST images, HICON icon)
{
    return icon ? ImageList_AddIcon(images, icon) : -1;
}

win32::UniqueIcon ResourceIcon(HINSTANCE instance, int id, int size)
{
    return win32::UniqueIcon(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
}

win32::UniqueIcon SmallResourceIcon(HINSTANCE instance, int id)
{
    return ResourceIcon(instance, id, 16);
}

POINT ScreenPointOf(DWORD position)
{
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

}  // namespace

bool ServicesWindow::OnCreate()
{
    if (!splitter_.Create(handle(), 1) || !CreateTree())
        return false;
    if (!list_.Create(splitter_.handle(), context_.images, LoadText(context_.instance, IDS_NAME_COLUMN)))
        return false;
    splitter_.SetPanes(tree_, list_.handle());
    // The window class carries the section's icon.
    smallIcon_ = SmallResourceIcon(context_.instance, IDR_TEMPLATES);
    largeIcon_ = ResourceIcon(context_.instance, IDR_TEMPLATES, 32);
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(handle(), UM_SET_PROMPT, IDS_TEMPLATES_PROMPT, 0);
    return true;
}

// The tree starts at a quarter of the width; then the user's bar holds.
void ServicesWindow::OnSize(int width, int height)
{
    if (!sized_ && width > 0) {
        splitter_.SetLeftWidth(width / 4);
        sized_ = true;
    }
    MoveWindow(splitter_.handle(), 0, 0, width, height, TRUE);
}

bool ServicesWindow::CreateTree()
{
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS |
                                TVS_SHOWSELALWAYS,
                            0, 0, 0, 0, splitter_.handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTreeId)),
                            context_.instance, nullptr);
    treeImages_.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 1));
    if (!tree_ || !treeImages_)
        return false;
    TreeView_SetImageList(tree_, treeImages_.get(), TVSIL_NORMAL);
    int image = AddIcon(treeImages_.get(), SmallResourceIcon(context_.instance, IDR_TEMPLATES).get());
    HTREEITEM root = win32::InsertTreeItem(tree_, TVI_ROOT, kRootText, image, kServicesRoot);
    for (int category = kDesktopCategory; category <= kSystemFoldersCategory; ++category)
        AddCategory(category);
    TreeView_Expand(tree_, root, TVE_EXPAND);
    return true;
}

void ServicesWindow::AddCategory(int category)
{
    win32::UniqueIcon icon;
    std::string text;
    if (category == kSystemFoldersCategory) {
        icon = SmallResourceIcon(context_.instance, IDI_SYSTEM_FOLDERS);
        text = LoadText(context_.instance, IDS_SYSTEM_FOLDERS);
    } else if (win32::UniqueItemIdList folder = menufile::SpecialFolderIdList(CategoryFolder(category))) {
        SHFILEINFOA info = {};
        SHGetFileInfoA(reinterpret_cast<const char*>(folder.get()), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_ICON | SHGFI_SMALLICON);
        icon.reset(info.hIcon);
        text = info.szDisplayName;
    }
    win32::InsertTreeItem(tree_, TreeView_GetRoot(tree_), text, AddIcon(treeImages_.get(), icon.get()), category);
}

int ServicesWindow::CategoryOf(HTREEITEM item) const
{
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    return item && TreeView_GetItem(tree_, &data) ? static_cast<int>(data.lParam) : kServicesRoot;
}

const std::vector<ServiceObject>& ServicesWindow::Objects(int category)
{
    auto found = objects_.find(category);
    if (found != objects_.end())
        return found->second;
    return objects_[category] = ReadCategory(category, context_.progress);
}

// The root lists nothing, kept like a category's objects.
void ServicesWindow::ShowCategory(HTREEITEM item)
{
    list_.Show(Objects(CategoryOf(item)));
}

LRESULT ServicesWindow::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom == tree_ && header.code == TVN_SELCHANGEDA)
        ShowCategory(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
    else if (header.hwndFrom == tree_ && header.code == TVN_BEGINDRAGA)
        BeginCategoryDrag(reinterpret_cast<const NMTREEVIEWA&>(header));
    else if (header.hwndFrom == list_.handle() && header.code == LVN_BEGINDRAG)
        BeginRowsDrag(reinterpret_cast<const NMLISTVIEW&>(header));
    else if (header.hwndFrom == list_.handle() && header.code == NM_DBLCLK)
        OpenObjectAt(ScreenPointOf(GetMessagePos()));
    else if (header.hwndFrom == list_.handle() && header.code == NM_RCLICK)
        ShowContextMenu(ScreenPointOf(GetMessagePos()));
    return 0;
}

LRESULT ServicesWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (OnDragMessage(message, wParam, lParam))
        return 0;
    if (message == WM_NOTIFY)
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    return ChildWindow::OnMessage(message, wParam, lParam);
}

}  // namespace editor
