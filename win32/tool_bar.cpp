#include "win32/tool_bar.h"

#include <commctrl.h>

namespace win32 {

ToolBarTable LoadToolBarTable(HINSTANCE instance, int resourceId)
{
    ToolBarTable table;
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(kToolBarResourceType));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!words || size < 8 || words[0] != 1 || size < 8u + 2u * words[3])
        return table;
    table.imageWidth = words[1];
    table.imageHeight = words[2];
    table.items.assign(words + 4, words + 4 + words[3]);
    return table;
}

namespace {

std::vector<TBBUTTON> Buttons(const std::vector<int>& items)
{
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (int id : items) {
        TBBUTTON button = {};
        button.idCommand = id;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = id ? BTNS_BUTTON : BTNS_SEP;
        button.iBitmap = id ? image++ : 0;
        buttons.push_back(button);
    }
    return buttons;
}

}  // namespace

bool ToolBar::Create(HWND parent, HINSTANCE instance, int resourceId, UINT controlId)
{
    ToolBarTable table = LoadToolBarTable(instance, resourceId);
    if (table.items.empty())
        return false;
    handle_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                              WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                              parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), instance,
                              nullptr);
    if (!handle_)
        return false;
    std::vector<TBBUTTON> buttons = Buttons(table.items);
    for (int id : table.items) {
        if (id)
            commands_.push_back(id);
    }
    SendMessageA(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(handle_, TB_SETBITMAPSIZE, 0, MAKELPARAM(table.imageWidth, table.imageHeight));
    // From the instance, the bitmap's light grey becomes the button face.
    TBADDBITMAP bitmap = {instance, static_cast<UINT_PTR>(resourceId)};
    SendMessageA(handle_, TB_ADDBITMAP, commands_.size(), reinterpret_cast<LPARAM>(&bitmap));
    SendMessageA(handle_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    return true;
}

void ToolBar::SetState(int command, bool enabled, bool checked)
{
    LRESULT old = SendMessageA(handle_, TB_GETSTATE, command, 0);
    if (old == -1)
        return;
    BYTE state = static_cast<BYTE>(old & ~(TBSTATE_ENABLED | TBSTATE_CHECKED));
    if (enabled)
        state |= TBSTATE_ENABLED;
    if (checked)
        state |= TBSTATE_CHECKED;
    if (state != old)
        SendMessageA(handle_, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

void ToolBar::Place(RECT& area)
{
    if (!handle_ || !(GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE))
        return;
    SendMessageA(handle_, TB_AUTOSIZE, 0, 0);
    RECT bar;
    GetWindowRect(handle_, &bar);
    int height = bar.bottom - bar.top;
    MoveWindow(handle_, area.left, area.top, area.right - area.left, height, TRUE);
    area.top += height;
}

}  // namespace win32
