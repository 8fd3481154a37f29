#pragma once
// The right pane of a section's window while a root is chosen: a report
// list of two columns ("項目,説明") sharing the tree's images. On the options
// tab it lists the three option nodes with what each sets; on a menu tab it
// has no rows and paints a hint of what to do instead.
#include <windows.h>
#include <commctrl.h>
#include <string>
#include "win32/window.h"

namespace editor {

class ItemList : public win32::Subclass {
public:
    // A hidden child of parent.
    bool Create(HWND parent, HINSTANCE instance, HIMAGELIST treeImages);
    // The rows (or the hint) of a tab: kOptionsTab, kLeft or kRight.
    void Show(int side);
    // What the empty list paints; empty on the options tab.
    const std::string& hint() const noexcept { return hint_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddColumns();
    void AddRow(int image, const std::string& text, const std::string& description);
    void PaintHint();

    HINSTANCE instance_ = nullptr;
    std::string hint_;
};

}  // namespace editor
