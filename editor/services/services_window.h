#pragma once
// The services browser (command 34014, "テンプレート"): the categories in a
// tree on the left, the chosen category's shell objects on the right. Each
// category is read the first time it is chosen (or dragged) and kept, with
// every item-ID list, until the window closes. Objects and whole categories
// are dragged onto a section window's menu tree, which puts in their
// entries (a category as a group) as one step of the section's history.
#include <windows.h>
#include <commctrl.h>
#include <map>
#include <optional>
#include <string>
#include <vector>
#include "editor/child_window.h"
#include "editor/services/object_list.h"
#include "editor/services/service_objects.h"
#include "menufile/menu_model.h"
#include "win32/splitter.h"
#include "win32/system_image_lists.h"
#include "win32/unique_handle.h"
#include "win32/unique_image_list.h"

namespace editor {

struct ServicesContext {
    HINSTANCE instance = nullptr;
    std::string poolPath;  // where shortcuts for the dropped objects go
    win32::SystemImageLists images;
    ReadProgress progress;  // 0 to 100 while the system folders are read
};

// A drag from the browser under way: what it carries and where it points.
struct ObjectDrag {
    std::vector<const ServiceObject*> objects;
    std::optional<std::string> group;  // a category's name: its objects go into a group
    win32::UniqueImageList image;
    HWND target = nullptr;              // the menu tree under the mouse
};

class ServicesWindow : public ChildWindow {
public:
    static constexpr UINT kTreeId = 1;

    explicit ServicesWindow(ServicesContext context)
        : ChildWindow(WindowKind::Templates, nullptr), context_(std::move(context))
    {
    }

    HWND tree() const noexcept { return tree_; }
    ObjectList& list() noexcept { return list_; }
    // The category's objects, read now if they never were.
    const std::vector<ServiceObject>& Objects(int category);
    bool dragging() const noexcept { return drag_.has_value(); }

    bool QueryCommand(int id, win32::CommandState& state) override;
    bool RunCommand(int id) override;

protected:
    bool OnCreate() override;
    void OnSize(int width, int height) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateTree();
    void AddCategory(int category);
    LRESULT OnNotify(const NMHDR& header);
    void ShowCategory(HTREEITEM item);
    int CategoryOf(HTREEITEM item) const;
    void OpenObjectAt(POINT screen);
    void ShowContextMenu(POINT screen);

    void BeginCategoryDrag(const NMTREEVIEWA& info);
    void BeginRowsDrag(const NMLISTVIEW& info);
    void BeginDrag(ObjectDrag drag, POINT screen);
    bool OnDragMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDragMove(POINT screen, bool expand);
    void OnDrop(POINT screen);
    void EndDrag();
    void SetDropTarget(HWND tree, HTREEITEM item);
    // The entries of the drag's objects (its group, for a category), with
    // one box for the shortcuts that could not be made.
    std::vector<menufile::MenuEntry> EntriesOf(const ObjectDrag& drag);

    ServicesContext context_;
    win32::Splitter splitter_;
    HWND tree_ = nullptr;
    win32::UniqueImageList treeImages_;
    ObjectList list_;
    std::map<int, std::vector<ServiceObject>> objects_;
    std::optional<ObjectDrag> drag_;
    win32::UniqueIcon smallIcon_, largeIcon_;
    bool sized_ = false;
};

}  // namespace editor
