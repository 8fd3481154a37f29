// The browser's commands: the view modes with their check mark, select
// all, and opening the object under the mouse (double click or the context
// menu's default entry).
#include "editor/services/services_window.h"

#include <shellapi.h>
#include "resources/editor/resource_ids.h"
#include "win32/unique_handle.h"

namespace editor {

namespace {

struct ViewCommand {
    int id;
    DWORD view;
};

const ViewCommand kViews[] = {{ID_VIEW_LARGE_ICONS, LVS_ICON},
                              {ID_VIEW_SMALL_ICONS, LVS_SMALLICON},
                              {ID_VIEW_LIST, LVS_LIST},
                              {ID_VIEW_DETAILS, LVS_REPORT}};

const ViewCommand* ViewOf(int id)
{
    for (const ViewCommand& command : kViews) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

POINT CursorPoint()
{
    POINT point = {};
    GetCursorPos(&point);
    return point;
}

}  // namespace

bool ServicesWindow::QueryCommand(int id, win32::CommandState& state)
{
    if (const ViewCommand* command = ViewOf(id)) {
        state.checked = list_.view() == command->view;
        return true;
    }
    if (id == ID_SELECT_ALL)
        state.enabled = list_.count() > 0;
    else if (id == ID_OPEN_OBJECT)
        state.enabled = list_.ObjectAt(CursorPoint()) != nullptr;
    else
        return false;
    return true;
}

bool ServicesWindow::RunCommand(int id)
{
    if (const ViewCommand* command = ViewOf(id))
        list_.SetView(command->view);
    else if (id == ID_SELECT_ALL)
        list_.SelectAll();
    else if (id == ID_OPEN_OBJECT)
        OpenObjectAt(CursorPoint());
    else
        return false;
    return true;
}

void ServicesWindow::OpenObjectAt(POINT screen)
{
    const ServiceObject* object = list_.ObjectAt(screen);
    if (!object)
        return;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = GetDesktopWindow();
    info.nShow = SW_SHOWNORMAL;
    info.lpIDList = object->item.idList.get();
    ShellExecuteExA(&info);
}

void ServicesWindow::ShowContextMenu(POINT screen)
{
    win32::UniqueMenu menu(LoadMenuA(context_.instance, MAKEINTRESOURCEA(IDR_CONTEXT_MENUS)));
    HMENU popup = menu ? GetSubMenu(menu.get(), CONTEXT_SERVICE_LIST) : nullptr;
    if (!popup)
        return;
    SetMenuDefaultItem(popup, ID_OPEN_OBJECT, FALSE);
    EnableMenuItem(popup, ID_OPEN_OBJECT, list_.ObjectAt(screen) ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(popup, ID_SELECT_ALL, list_.count() > 0 ? MF_ENABLED : MF_GRAYED);
    int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, handle(), nullptr);
    if (chosen == ID_OPEN_OBJECT)
        OpenObjectAt(screen);
    else if (chosen == ID_SELECT_ALL)
        list_.SelectAll();
}

}  // namespace editor
