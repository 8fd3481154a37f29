#pragma once
// A section's window as it stands until the menus can be edited in it: the
// section's two menus read-only in a plain tree on the left, nothing yet on
// the right.
#include <windows.h>
#include "editor/section.h"
#include "editor/section_window.h"
#include "win32/unique_handle.h"

namespace editor {

class SectionMenusWindow : public SectionWindow {
public:
    static constexpr UINT kTreeId = 1;

    SectionMenusWindow(HINSTANCE instance, const Section& section)
        : SectionWindow(&section), instance_(instance), section_(section)
    {
    }
    HWND tree() const noexcept { return tree_; }

protected:
    bool OnCreate() override;

private:
    void FillMenu(HTREEITEM parent, const menufile::MenuList& list);
    void SetIcons();

    HINSTANCE instance_;
    const Section& section_;
    HWND tree_ = nullptr;
    win32::UniqueIcon largeIcon_, smallIcon_;
};

}  // namespace editor
