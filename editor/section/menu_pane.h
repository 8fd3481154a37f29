#pragma once
// The left pane of a section window: the tabs (control 1002) "オプション",
// "左メニュー" and "右メニュー" at the bottom and the menu tree above them.
// Choosing a node tells the section window what to show on the right
// (UM_SHOW_FORM with the node's kind, and 1 << 16 for a command item whose
// path is a shortcut). On the menu tabs it runs the tree's commands: new
// entries, delete and the moves, each through the model's operations,
// after which the tree is built again and the entry selected by its path.
#include <windows.h>
#include <shellapi.h>
#include <optional>
#include "editor/change_history.h"
#include "editor/section.h"
#include "editor/section/entry_drop.h"
#include "editor/section/menu_operations.h"
#include "editor/section/menu_tree.h"
#include "editor/section/section_panes.h"
#include "editor/settings_model.h"
#include "win32/command_target.h"
#include "win32/unique_handle.h"
#include "win32/unique_image_list.h"
#include "win32/window.h"

namespace editor {

// An entry being dragged in the tree.
struct TreeDrag {
    EntryPath source;
    HTREEITEM item;
    bool copy;  // Ctrl was down as the drag began
    win32::UniqueImageList image;
};

class MenuPane : public win32::Window, public win32::CommandTarget, public TreeUpdates {
public:
    static constexpr UINT kTabsId = 1002;
    static constexpr int kTabCount = 3;

    // formTarget receives UM_SHOW_FORM: the section window.
    MenuPane(HINSTANCE instance, SettingsModel& model, ChangeHistory& history, const Section& section,
             HWND formTarget)
        : instance_(instance), model_(model), history_(history), section_(section), formTarget_(formTarget)
    {
    }
    bool Create(HWND parent);

    HWND tabs() const noexcept { return tabs_; }
    MenuTree& tree() noexcept { return tree_; }
    // kOptionsTab, kLeft or kRight, from the selected tab.
    int side() const noexcept { return side_; }
    // Selects a tab by its index (0 the options) and builds its tree.
    void SelectTab(int index);
    // The entry the right pane shows; empty for a root or an option node.
    const EntryPath& current() const noexcept { return current_; }

    bool QueryCommand(int id, win32::CommandState& state) override;
    bool RunCommand(int id) override;
    void EntryChanged(const EntryPath& path, EntryUpdate update) override;
    // The context menu of a right click on a node or beside the nodes, its
    // items enabled; none on the options tab.
    win32::UniqueMenu ContextMenu(bool onNode);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateTabs();
    LRESULT OnNotify(const NMHDR& header);
    void Layout(int width, int height);
    void OnTabChanged();
    void OnSelectionChanged();
    void ShowContextMenu();
    // The node under a point of this window's client area, or null.
    HTREEITEM ItemAt(POINT paneClient) const;
    const TreeNode* NodeAt(POINT paneClient) const;
    void OnDropFiles(HDROP drop);
    bool OnDropEntries(EntryDrop& drop);
    // Entries put in after the node under the point, as one step; false
    // when there were none or the options tab is shown.
    bool InsertDropped(POINT paneClient, std::vector<menufile::MenuEntry> entries);
    void OnBeginDrag(const NMTREEVIEWA& info);
    bool CanDropOn(const TreeNode* target) const;
    void OnDragMove(POINT paneClient);
    void OnDrop(POINT paneClient);
    void EndDrag();
    // The mouse and key messages of a drag under way; false without one.
    bool OnDragMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void EnableItems(HMENU menu);
    bool CanEditLabel(HTREEITEM item) const;
    bool OnEndLabelEdit(const NMTVDISPINFOA& info);
    // The entry of the side shown, or null.
    const menufile::MenuEntry* EntryOf(const EntryPath& path) const;
    // The tab's root text; the tab's side as the operations address it.
    std::string TabText() const;
    MenuOperations Operations() const;
    bool CanRun(int id) const;
    // The path to select after a change of the menu; nothing when none.
    std::optional<EntryPath> Run(int id);
    // The selected entry onto the clipboard, asking while it is busy.
    bool CopyEntry();
    bool ClipboardHoldsEntry() const;
    std::optional<EntryPath> Paste();
    std::optional<EntryPath> Cut();
    EntryPath AddNew(NewEntryKind kind);
    EntryPath AskAndDelete();
    void RunHistoryStep(int id);
    // The tree built again with the entry at path (the root for an empty
    // path) selected.
    void ShowChanged(const EntryPath& path);

    HINSTANCE instance_;
    SettingsModel& model_;
    ChangeHistory& history_;
    const Section& section_;
    HWND formTarget_;
    HWND tabs_ = nullptr;
    win32::UniqueImageList tabImages_;
    MenuTree tree_;
    int side_ = kOptionsTab;
    EntryPath current_;
    std::optional<TreeDrag> drag_;
};

}  // namespace editor
