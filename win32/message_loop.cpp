#include "win32/message_loop.h"

#include <algorithm>
#include <cstring>

namespace win32 {

namespace {

bool IsEditControl(HWND window)
{
    char name[16] = "";
    return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, "Edit") == 0;
}

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool IsEditControlKey(const MSG& message, HWND focus)
{
    if ((message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) || !IsEditControl(focus))
        return false;
    const bool control = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT), alt = KeyDown(VK_MENU);
    switch (message.wParam) {
    case 'C': case 'V': case 'X': case 'Z': case 'Y':
        return control && !alt;
    case VK_INSERT:
        return control || shift;
    case VK_DELETE:
        return shift;
    case VK_BACK:
        return alt;
    }
    return false;
}

void MessageLoop::RemoveModeless(HWND dialog)
{
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), dialog), modeless_.end());
}

void MessageLoop::SetAccelerators(HWND target, HACCEL table)
{
    accelTarget_ = target;
    accelerators_ = table;
}

bool MessageLoop::PreTranslate(MSG& message) const
{
    for (HWND dialog : modeless_) {
        if (IsWindow(dialog) && IsDialogMessageA(dialog, &message))
            return true;
    }
    if (mdiClient_ && TranslateMDISysAccel(mdiClient_, &message))
        return true;
    return Accelerate(message) || IsFormMessage(message);
}

bool MessageLoop::Accelerate(MSG& message) const
{
    return accelerators_ && !IsEditControlKey(message, GetFocus()) &&
           TranslateAcceleratorA(accelTarget_, accelerators_, &message) != 0;
}

// A form is a child dialog: without this its fields never see Tab or their
// mnemonics. Only keys are offered, so the question stays cheap.
bool MessageLoop::IsFormMessage(MSG& message) const
{
    if (!currentForm_ || message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    HWND form = currentForm_();
    return form && IsWindowVisible(form) && IsDialogMessageA(form, &message);
}

void MessageLoop::Handle(MSG& message) const
{
    if (PreTranslate(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool MessageLoop::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Handle(message);
    }
    if (idle_)
        idle_();
    return true;
}

int MessageLoop::Run()
{
    MSG message;
    bool idleDue = true;
    for (;;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (idleDue && idle_)
                idle_();
            idleDue = false;
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT)
            return static_cast<int>(message.wParam);
        Handle(message);
        // Idle work may repaint; a paint must not call for it again.
        if (message.message != WM_PAINT)
            idleDue = true;
    }
}

}  // namespace win32
