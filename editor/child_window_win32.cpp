#include "editor/child_window.h"

#include "resources/editor/resource_ids.h"

namespace editor {

namespace {
const char kClassName[] = "OmbrixmChild";
}

bool ChildWindow::RegisterClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    if (GetClassInfoExA(instance, kClassName, &windowClass))
        return true;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_SECTION));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    return MdiChild::RegisterClass(windowClass) != 0;
}

bool ChildWindow::Create(HWND mdiClient, const std::string& title)
{
    return MdiChild::Create(mdiClient, kClassName, title.c_str(), WS_CLIPCHILDREN);
}

LRESULT ChildWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (!OnCreate())
            return -1;
        break;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        break;  // the child's default procedure keeps the MDI state right
    case UM_SET_PROMPT:
        prompt_ = static_cast<UINT>(wParam);
        return 0;
    case UM_COMMIT_EDITS:
        return CommitEdits() ? 0 : 1;
    case WM_CLOSE:
        // Closing loses nothing: the edits live in the settings model. A
        // refused value keeps the window open for the user to mend it.
        if (!CommitEdits())
            return 0;
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void ChildWindow::OnFinalMessage()
{
    if (gone_)
        gone_(*this);
}

}  // namespace editor
