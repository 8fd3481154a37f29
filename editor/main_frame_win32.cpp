#include "editor/main_frame.h"

#include <commctrl.h>
#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

win32::UniqueMenu LoadMenuOf(HINSTANCE instance, int id)
{
    return win32::UniqueMenu(LoadMenuA(instance, MAKEINTRESOURCEA(id)));
}

}  // namespace

MainFrame::MainFrame(HINSTANCE instance, const EditorPaths& paths, win32::MessageLoop& loop)
    : instance_(instance), paths_(paths), loop_(loop)
{
}

MainFrame::~MainFrame()
{
    loop_.SetCurrentForm(nullptr);
}

bool MainFrame::RegisterFrameClass() const
{
    WNDCLASSEXA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDR_MAINFRAME));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClass(windowClass) != 0;
}

bool MainFrame::Create()
{
    WNDCLASSEXA windowClass = {};
    if (!GetClassInfoExA(instance_, kClassName, &windowClass) && !RegisterFrameClass())
        return false;
    if (!ChildWindow::RegisterClass(instance_))
        return false;
    frameMenu_ = LoadMenuOf(instance_, IDR_MAINFRAME);
    sectionMenu_ = LoadMenuOf(instance_, IDR_SECTION);
    templatesMenu_ = LoadMenuOf(instance_, IDR_TEMPLATES);
    optionsMenu_ = LoadMenuOf(instance_, IDR_OPTIONS);
    accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDR_MAINFRAME));
    menuKind_ = IDR_MAINFRAME;
    std::string title = LoadText(instance_, IDS_APP_TITLE);
    return Window::Create(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                          0, CW_USEDEFAULT, 0, nullptr, frameMenu_.get(), instance_);
}

bool MainFrame::OnCreate()
{
    if (!CreateClient(nullptr) || !CreateBars())
        return false;
    windows_.SetClient(client());
    loop_.SetMdiClient(client());
    loop_.SetAccelerators(handle(), accelerators_);
    loop_.SetCurrentForm([this] {
        ChildWindow* active = windows_.Active();
        return active ? active->CurrentForm() : nullptr;
    });
    RecalcLayout();
    return true;
}

bool MainFrame::CreateBars()
{
    if (!toolBar_.Create(handle(), instance_, IDR_MAINFRAME, ID_TOOL_BAR) ||
        !statusBar_.Create(handle(), ID_STATUS_BAR))
        return false;
    AddBar(toolBar_);
    AddBar(statusBar_);
    treeBar_ = std::make_unique<win32::DockedBar>();
    if (!treeBar_->Create(handle(), LoadText(instance_, IDS_MANAGE_TREE), 150, ID_MANAGE_TREE_BAR))
        return false;
    treeBar_->SetResized([this] { RecalcLayout(); });
    AddBar(*treeBar_);
    ShowPrompt(ChildWindow::kIdlePrompt);
    return true;
}

void MainFrame::OnClose()
{
    // While the version box runs the frame is disabled and its nested
    // loop still uses it.
    if (!IsWindowEnabled(handle()))
        return;
    if (CanClose())
        DestroyWindow(handle());
}

LRESULT MainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_COMMAND:
        // The window menu's entries and the children's system commands are the client's.
        if (LOWORD(wParam) >= 0xF000 || !Run(LOWORD(wParam)))
            break;
        return 0;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            UpdateMenu(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_EXITMENULOOP:
        promptHeld_ = false;
        ShowBasePrompt();
        break;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION:
        return CanClose();
    case WM_ENDSESSION:
        if (wParam && sessionEnding_)
            sessionEnding_();
        return 0;
    case WM_DESTROY:
        // The menus are owned here, not by the window.
        SetMenu(handle(), nullptr);
        PostQuitMessage(0);
        break;
    }
    return MdiFrame::OnMessage(message, wParam, lParam);
}

}  // namespace editor
