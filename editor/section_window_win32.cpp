#include "editor/section_window.h"

namespace editor {

bool SectionWindow::OnCreate()
{
    if (!splitter_.Create(handle(), 1))
        return false;
    splitter_.SetLeftWidth(kTreeWidth);
    return true;
}

void SectionWindow::OnSize(int width, int height)
{
    MoveWindow(splitter_.handle(), 0, 0, width, height, TRUE);
}

}  // namespace editor
