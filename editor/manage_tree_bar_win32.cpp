#include "editor/manage_tree_bar.h"

#include <shellapi.h>
#include "editor/command_text.h"
#include "editor/section_icon.h"
#include "resources/editor/resource_ids.h"
#include "win32/file_icon.h"
#include "win32/tree_view.h"

namespace editor {

namespace {

// Icon 35 of the system's SHELL32.dll: the options item.
constexpr int kOptionsShellIcon = 35;

win32::UniqueIcon ShellIcon(int number)
{
    return win32::LoadedModuleIcon(GetModuleHandleA("SHELL32.dll"), number, win32::IconSize::Small);
}

int AddIcon(HIMAGELIST images, HICON icon)
{
    return icon ? ImageList_AddIcon(images, icon) : -1;
}

}  // namespace

ManageTreeBar::ManageTreeBar(HINSTANCE instance, EditorSettings& settings, ChildWindows& windows,
                             std::function<void()> openOptions,
                             std::function<std::unique_ptr<ChildWindow>(Section&)> makeSectionWindow)
    : instance_(instance),
      settings_(settings),
      windows_(windows),
      openOptions_(std::move(openOptions)),
      makeSectionWindow_(std::move(makeSectionWindow))
{
}

ManageTreeBar::~ManageTreeBar()
{
    Detach();
    if (tree_ && IsWindow(tree_))
        DestroyWindow(tree_);
    if (images_)
        ImageList_Destroy(images_);
}

bool ManageTreeBar::CreateTree(win32::DockedBar& bar)
{
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_EDITLABELS |
                                TVS_SHOWSELALWAYS | TVS_TRACKSELECT,
                            0, 0, 0, 0, bar.handle(), reinterpret_cast<HMENU>(kTreeId), instance_, nullptr);
    if (!tree_ || !MakeImages() || !Attach(bar.handle()))
        return false;
    bar.SetContent(tree_);
    Refill();
    return true;
}

bool ManageTreeBar::MakeImages()
{
    int size = GetSystemMetrics(SM_CXSMICON);
    images_ = ImageList_Create(size, size, ILC_MASK | ILC_COLOR8, 64, 32);
    if (!images_)
        return false;
    ImageList_SetBkColor(images_, GetSysColor(COLOR_WINDOW));
    win32::UniqueIcon own(static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0)));
    AddIcon(images_, own.get());
    AddIcon(images_, ShellIcon(kOptionsShellIcon).get());
    TreeView_SetImageList(tree_, images_, TVSIL_NORMAL);
    return true;
}

void ManageTreeBar::Refill()
{
    LPARAM selected = DataOf(TreeView_GetSelection(tree_));
    TreeView_DeleteAllItems(tree_);
    root_ = win32::InsertTreeItem(tree_, TVI_ROOT, LoadText(instance_, IDS_TREE_ROOT), 0, kRootData);
    options_ = win32::InsertTreeItem(tree_, root_, LoadText(instance_, IDS_OPTIONS_TITLE), 1, kOptionsData);
    const SettingsModel& model = settings_.model();
    for (size_t i = 0; i < model.size(); ++i)
        AddSectionItem(model.section(i));
    TreeView_Expand(tree_, root_, TVE_EXPAND);
    HTREEITEM again = selected == kRootData ? root_ : selected == kOptionsData ? options_ : ItemOf(selected);
    Select(again ? again : root_);
}

HTREEITEM ManageTreeBar::AddSectionItem(const Section& section)
{
    return win32::InsertTreeItem(tree_, root_, section.values().description, ImageOf(section),
                                 static_cast<LPARAM>(section.id()));
}

int ManageTreeBar::ImageOf(const Section& section)
{
    auto cached = imageOf_.find(section.id());
    if (cached != imageOf_.end())
        return cached->second;
    return imageOf_[section.id()] = ImageOfIcon(section.values());
}

// Sections with the same icon share one image: most use the default one,
// and extracting an icon is the costly part of filling the tree.
int ManageTreeBar::ImageOfIcon(const SectionValues& values)
{
    std::string key = SectionIconKey(values);
    auto shared = imageOfIcon_.find(key);
    if (shared != imageOfIcon_.end())
        return shared->second;
    return imageOfIcon_[key] = AddIcon(images_, SectionIcon(instance_, values, true).get());
}

LPARAM ManageTreeBar::DataOf(HTREEITEM item) const
{
    if (!item)
        return kRootData;
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return data.lParam;
}

HTREEITEM ManageTreeBar::ItemOf(uint64_t id) const
{
    for (HTREEITEM item = TreeView_GetChild(tree_, root_); item; item = TreeView_GetNextSibling(tree_, item)) {
        if (DataOf(item) == static_cast<LPARAM>(id))
            return item;
    }
    return nullptr;
}

size_t ManageTreeBar::SelectedPosition() const
{
    LPARAM data = DataOf(TreeView_GetSelection(tree_));
    return data > 0 ? settings_.model().PositionOf(static_cast<uint64_t>(data)) : SettingsModel::npos;
}

void ManageTreeBar::Select(HTREEITEM item)
{
    TreeView_SelectItem(tree_, item);
}

// A changed icon points the section's item at the image of its new icon;
// the old image may be another section's too.
void ManageTreeBar::OnSectionChanged(const Section* section)
{
    HTREEITEM item = section ? ItemOf(section->id()) : nullptr;
    if (!item)
        return;
    int image = imageOf_[section->id()] = ImageOfIcon(section->values());
    TVITEMA change = {};
    change.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    change.hItem = item;
    change.iImage = change.iSelectedImage = image;
    TreeView_SetItem(tree_, &change);
}

LRESULT ManageTreeBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (message == WM_NOTIFY && OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
        return result;
    if (message == kNameTakenMessage) {
        ShowNameTaken();
        return 0;
    }
    if (message == UM_SECTION_CHANGED) {
        OnSectionChanged(reinterpret_cast<const Section*>(lParam));
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

bool ManageTreeBar::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != tree_)
        return false;
    const auto& info = reinterpret_cast<const NMTVDISPINFOA&>(header);
    switch (header.code) {
    case TVN_SELCHANGEDA:
        OnSelectionChanged();
        return true;
    case NM_DBLCLK:
        Open();
        result = 1;
        return true;
    case NM_RCLICK:
        ShowContextMenu();
        result = 1;
        return true;
    case TVN_BEGINLABELEDITA:
        result = OnBeginLabelEdit(info) ? FALSE : TRUE;
        return true;
    case TVN_ENDLABELEDITA:
        result = OnEndLabelEdit(info) ? TRUE : FALSE;
        return true;
    case TVN_KEYDOWN:
        if (reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey == VK_DELETE && SelectedPosition() != SettingsModel::npos)
            Delete();
        return true;
    }
    return false;
}

}  // namespace editor
