#pragma once
// The window of one section: a splitter of one row and two columns, the
// menu tree pane on the left and the list or a form on the right. The panes
// are the contents' own: a subclass makes them as children of
// splitter().handle() in its OnCreate and hands them to SetPanes.
#include "editor/child_window.h"
#include "win32/splitter.h"

namespace editor {

class SectionWindow : public ChildWindow {
public:
    static constexpr int kTreeWidth = 120;

    explicit SectionWindow(const void* section) : ChildWindow(WindowKind::Section, section) {}
    win32::Splitter& splitter() noexcept { return splitter_; }

protected:
    bool OnCreate() override;
    void OnSize(int width, int height) override;

private:
    win32::Splitter splitter_;
};

}  // namespace editor
