#include "editor/section_menus_window.h"

#include "editor/section_icon.h"
#include "resources/editor/resource_ids.h"

namespace editor {

bool SectionMenusWindow::OnCreate()
{
    if (!SectionWindow::OnCreate())
        return false;
    HWND parent = splitter().handle();
    pane_ = std::make_unique<MenuPane>(instance_, model_, history_, section_, handle());
    HWND right = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                 nullptr, instance_, nullptr);
    if (!pane_->Create(parent) || !right)
        return false;
    splitter().SetPanes(pane_->handle(), right);
    SetIcons();
    SendMessageA(handle(), UM_SET_PROMPT, IDS_SECTION_PROMPT, 0);
    return true;
}

LRESULT SectionMenusWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_SHOW_FORM) {
        shownForm_ = wParam;
        return 0;
    }
    return SectionWindow::OnMessage(message, wParam, lParam);
}

void SectionMenusWindow::SetIcons()
{
    largeIcon_ = SectionIcon(instance_, section_.values(), false);
    smallIcon_ = SectionIcon(instance_, section_.values(), true);
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

}  // namespace editor
