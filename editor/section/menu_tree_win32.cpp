#include "editor/section/menu_tree.h"

#include <utility>
#include "editor/section/entry_text.h"
#include "resources/editor/resource_ids.h"
#include "win32/file_icon.h"
#include "win32/tree_view.h"

namespace editor {

namespace {

const char* const kOptionTexts[] = {"左メニューの設定", "右メニューの設定", "タスクトレー"};
const NodeKind kOptionKinds[] = {kLeftOptionsNode, kRightOptionsNode, kTrayOptionsNode};

NodeKind RootKind(int tab)
{
    return tab == kOptionsTab ? kOptionsRootNode : tab == kLeft ? kLeftRootNode : kRightRootNode;
}

}  // namespace

bool MenuTree::Create(HWND parent, HINSTANCE instance)
{
    instance_ = instance;
    images_.reset(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDB_MENU_TREE), 16, 4, RGB(255, 0, 255),
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS | TVS_EDITLABELS,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kId), instance, nullptr);
    if (!tree_ || !images_)
        return false;
    ImageList_SetBkColor(images_.get(), GetSysColor(COLOR_WINDOW));
    TreeView_SetImageList(tree_, images_.get(), TVSIL_NORMAL);
    return true;
}

void MenuTree::Rebuild(int tab, const std::string& rootText, const Section& section)
{
    rebuilding_ = true;
    // An edit never outlives the node it names.
    TreeView_EndEditLabelNow(tree_, TRUE);
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    nodes_.clear();
    items_.clear();
    groups_.clear();
    ImageList_SetImageCount(images_.get(), kFixedImages);
    imagesBuilt_.clear();
    HTREEITEM root = Add(TVI_ROOT, rootText, RootKind(tab), {RootKind(tab), {}});
    if (tab == kOptionsTab) {
        for (int n = 0; n < 3; ++n)
            Add(root, kOptionTexts[n], kOptionKinds[n], {kOptionKinds[n], {}});
    } else if (const EditMenuFile* menu = section.menu(static_cast<Side>(tab)); menu && menu->root()) {
        AddEntries(root, *menu->root());
    }
    ExpandAll(root);
    TreeView_SelectItem(tree_, root);
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
    rebuilding_ = false;
}

const TreeNode* MenuTree::NodeOf(HTREEITEM item) const
{
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!item || !SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)))
        return nullptr;
    size_t index = static_cast<size_t>(data.lParam);
    return index < nodes_.size() ? &nodes_[index] : nullptr;
}

HTREEITEM MenuTree::Add(HTREEITEM parent, const std::string& text, int image, TreeNode node)
{
    LPARAM index = static_cast<LPARAM>(nodes_.size());
    nodes_.push_back(std::move(node));
    items_.push_back(win32::InsertTreeItem(tree_, parent, text, image, index));
    return items_.back();
}

HTREEITEM MenuTree::ItemOf(const EntryPath& path) const
{
    for (size_t i = 1; i < nodes_.size() && !path.empty(); ++i) {
        if (nodes_[i].path == path)
            return items_[i];
    }
    return nullptr;
}

bool MenuTree::Select(const EntryPath& path)
{
    HTREEITEM item = ItemOf(path);
    if (!item)
        return false;
    TreeView_SelectItem(tree_, item);
    return true;
}

void MenuTree::Refresh(const EntryPath& path, const menufile::MenuEntry& entry, bool withText)
{
    TVITEMA data = {};
    data.hItem = ItemOf(path);
    if (!data.hItem)
        return;
    std::string text = EntryDisplayText(instance_, entry);
    data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | (withText ? TVIF_TEXT : 0);
    data.pszText = const_cast<char*>(text.c_str());
    data.iImage = data.iSelectedImage = ImageOf(entry);
    SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
}

// Depth first without recursion: a menu may nest very deep. Each list is
// walked backwards onto the stack so that nodes are added in menu order.
void MenuTree::AddEntries(HTREEITEM root, const menufile::MenuList& list)
{
    struct Pending {
        HTREEITEM parent;
        const menufile::MenuEntry* entry;
        EntryPath path;
    };
    std::vector<Pending> pending;
    for (size_t i = list.entries.size(); i-- > 0;)
        pending.push_back({root, &list.entries[i], {i}});
    while (!pending.empty()) {
        Pending next = std::move(pending.back());
        pending.pop_back();
        const menufile::MenuEntry& entry = *next.entry;
        HTREEITEM item = Add(next.parent, EntryDisplayText(instance_, entry), ImageOf(entry),
                             {KindOf(entry), next.path});
        if (!entry.IsPopup() || !entry.submenu || entry.submenu->entries.empty())
            continue;
        groups_.push_back(item);
        for (size_t i = entry.submenu->entries.size(); i-- > 0;) {
            EntryPath path = next.path;
            path.push_back(i);
            pending.push_back({item, &entry.submenu->entries[i], std::move(path)});
        }
    }
}

// The entry's own icon (its icon file, else its path) when it has one,
// else the image of its kind.
int MenuTree::ImageOf(const menufile::MenuEntry& entry)
{
    NodeKind kind = KindOf(entry);
    if (kind == kSeparatorNode)
        return kSeparatorNode;
    const std::string& file = entry.iconPath.empty() && kind == kCommandNode ? entry.text1 : entry.iconPath;
    int index = file.empty() ? -1 : IconImage(file, entry.iconNumber);
    return index < 0 ? kind : index;
}

int MenuTree::IconImage(const std::string& file, int number)
{
    auto builtFile = imagesBuilt_.find(file);
    if (builtFile != imagesBuilt_.end()) {
        if (auto built = builtFile->second.find(number); built != builtFile->second.end())
            return built->second;
    }
    IconKey key(file, number);
    auto cached = icons_.find(key);
    if (cached == icons_.end())
        cached = icons_.emplace(key, win32::ExtractFileIcon(file, number, win32::IconSize::Small)).first;
    int index = cached->second ? ImageList_ReplaceIcon(images_.get(), -1, cached->second.get()) : -1;
    imagesBuilt_[file][number] = index;
    return index;
}

// Only the nodes known to hold children: asking every node costs a message
// each, which a large menu feels.
void MenuTree::ExpandAll(HTREEITEM root)
{
    TreeView_Expand(tree_, root, TVE_EXPAND);
    for (HTREEITEM group : groups_)
        TreeView_Expand(tree_, group, TVE_EXPAND);
}
}  // namespace editor
