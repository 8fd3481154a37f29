#pragma once
// The menu tree of a section window (control 99): one node per entry of the
// side's menu under a root named after the tab, or the three option nodes.
// Every node keeps its kind and, for an entry, its path; the tree is built
// again from the model after every change of its structure.
#include <windows.h>
#include <commctrl.h>
#include <map>
#include <string>
#include <utility>
#include <vector>
#include "editor/section.h"
#include "editor/section/entry_path.h"
#include "editor/section/node_kind.h"
#include "win32/unique_handle.h"
#include "win32/unique_image_list.h"

namespace editor {

struct TreeNode {
    NodeKind kind;
    EntryPath path;  // empty for the roots and the option nodes
};

class MenuTree {
public:
    static constexpr UINT kId = 99;
    // Images 0 to 14 of the bitmap are the kinds' own; entry icons follow.
    static constexpr int kFixedImages = 15;

    bool Create(HWND parent, HINSTANCE instance);
    HWND handle() const noexcept { return tree_; }
    // Builds the tree for a tab (kOptionsTab, kLeft or kRight) from the model,
    // everything expanded and the root selected.
    void Rebuild(int tab, const std::string& rootText, const Section& section);
    bool rebuilding() const noexcept { return rebuilding_; }
    // The node's record, or nullptr for an item the tree does not know.
    const TreeNode* NodeOf(HTREEITEM item) const;
    HTREEITEM Selected() const { return TreeView_GetSelection(tree_); }
    // Selects the node of the entry at path, the root for an empty path or
    // one the tree does not hold. False when the root stays selected.
    bool Select(const EntryPath& path);
    int ImageCount() const { return ImageList_GetImageCount(images_.get()); }
    HIMAGELIST images() const noexcept { return images_.get(); }
    // The node of the entry at path; null when the tree holds none.
    HTREEITEM ItemOf(const EntryPath& path) const;
    // The entry's node shows the entry again: its image, and its text too
    // when withText.
    void Refresh(const EntryPath& path, const menufile::MenuEntry& entry, bool withText);

private:
    HTREEITEM Add(HTREEITEM parent, const std::string& text, int image, TreeNode node);
    void AddEntries(HTREEITEM root, const menufile::MenuList& list);
    int ImageOf(const menufile::MenuEntry& entry);
    // The image of an icon (a file and its number) in this build of the
    // tree; -1 when the file gives none.
    int IconImage(const std::string& file, int number);
    void ExpandAll(HTREEITEM root);

    HINSTANCE instance_ = nullptr;
    HWND tree_ = nullptr;
    win32::UniqueImageList images_;
    std::vector<TreeNode> nodes_;  // the item data of a node is its index here
    std::vector<HTREEITEM> items_;  // the node's item, by the same index
    std::vector<HTREEITEM> groups_;  // the entries' nodes that hold others
    bool rebuilding_ = false;
    using IconKey = std::pair<std::string, int>;
    // Every icon extracted so far, kept for the window's life: the tree is
    // built again after every change, and extraction costs milliseconds.
    // An empty icon remembers a file that gave none.
    std::map<IconKey, win32::UniqueIcon> icons_;
    // In the image list since the last rebuild, by file then number: looked
    // up for every entry, so without copying the file's name.
    std::map<std::string, std::map<int, int>, std::less<>> imagesBuilt_;
};

}  // namespace editor
