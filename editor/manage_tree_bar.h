#pragma once
// The management tree bar's contents: the global options and every section
// of the settings, their windows opened from here, and the operations on
// whole sections (new, duplicate, rename, delete, up, down). Items carry
// the id of their section, never its place or its name. The tree lives in
// the frame's docked bar, whose messages it sees first.
#include <windows.h>
#include <commctrl.h>
#include <functional>
#include <map>
#include "editor/child_windows.h"
#include "editor/editor_settings.h"
#include "win32/command_target.h"
#include "win32/docked_bar.h"
#include "win32/unique_handle.h"
#include "win32/window.h"

namespace editor {

class ManageTreeBar : public win32::Subclass, public win32::CommandTarget {
public:
    static constexpr UINT kTreeId = 1000;

    // openOptions opens or activates the options window; makeSectionWindow
    // makes the window of a section.
    ManageTreeBar(HINSTANCE instance, EditorSettings& settings, ChildWindows& windows,
                  std::function<void()> openOptions, std::function<std::unique_ptr<ChildWindow>(Section&)> makeSectionWindow);
    ~ManageTreeBar() override;

    // Makes the tree inside the bar and fills it.
    bool CreateTree(win32::DockedBar& bar);
    HWND tree() const noexcept { return tree_; }
    // Builds the section items again from the model (after an undo).
    void Refill();

    bool QueryCommand(int id, win32::CommandState& state) override;
    bool RunCommand(int id) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Item data of the two items that are no section.
    static constexpr LPARAM kRootData = -1;
    static constexpr LPARAM kOptionsData = 0;
    // Posted to the bar to tell that a new name is taken.
    static constexpr UINT kNameTakenMessage = WM_APP + 0x100;

    bool MakeImages();
    HTREEITEM AddSectionItem(const Section& section);
    int ImageOf(const Section& section);
    LPARAM DataOf(HTREEITEM item) const;
    HTREEITEM ItemOf(uint64_t id) const;
    // The selected section's place, or npos.
    size_t SelectedPosition() const;
    void Select(HTREEITEM item);

    void OnSelectionChanged();
    void Open();
    void ShowContextMenu();
    void New();
    void Duplicate();
    void Delete();
    void Move(bool up);
    // Undo and redo of the section commands: the tree has the focus, or no
    // window is open to take them.
    bool OwnsHistoryCommands() const;
    void RunHistoryStep(int id);
    bool OnBeginLabelEdit(const NMTVDISPINFOA& info) const;
    bool OnEndLabelEdit(const NMTVDISPINFOA& info);
    void ShowNameTaken();
    void OnSectionChanged(const Section* section);
    int ImageOfIcon(const SectionValues& values);
    bool OnNotify(const NMHDR& header, LRESULT& result);

    HINSTANCE instance_;
    EditorSettings& settings_;
    ChildWindows& windows_;
    std::function<void()> openOptions_;
    std::function<std::unique_ptr<ChildWindow>(Section&)> makeSectionWindow_;
    HWND tree_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HTREEITEM root_ = nullptr;
    HTREEITEM options_ = nullptr;
    std::map<uint64_t, int> imageOf_;         // section id -> image index
    std::map<std::string, int> imageOfIcon_;  // icon key -> image index, shared by sections
    std::string takenName_;
};

}  // namespace editor
