#include "win32/dialog.h"

namespace win32 {

Dialog::~Dialog()
{
    if (handle_) {
        SetWindowLongPtrA(handle_, DWLP_USER, 0);
        HWND handle = handle_;
        handle_ = nullptr;
        if (!modal_)
            DestroyWindow(handle);
    }
}

INT_PTR Dialog::DoModal(HINSTANCE instance, int templateId, HWND parent)
{
    modal_ = true;
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), parent, StaticProc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(HINSTANCE instance, int templateId, HWND parent)
{
    modal_ = false;
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, StaticProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::End(INT_PTR result)
{
    if (!handle_)
        return;
    if (modal_)
        EndDialog(handle_, result);
    else
        DestroyWindow(handle_);
}

bool Dialog::OnCommand(int id, int notifyCode, HWND control)
{
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Dispatch(message, wParam, lParam);
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_DRAWITEM:
        return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE
                                                                                                       : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
            return FALSE;
        SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_HELP:
        OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // A dialog procedure returns the brush itself for these messages.
        return SendMessageA(reinterpret_cast<HWND>(lParam), ReflectedMessage(message), wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK Dialog::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Route(window, message, wParam, lParam,
                 message == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : nullptr);
}

INT_PTR Dialog::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Dialog* binding)
{
    if (message == WM_INITDIALOG && binding) {
        binding->handle_ = window;
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(binding));
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    INT_PTR result;
    // No exception may unwind into the dialog manager.
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->handle_ = nullptr;
    }
    return result;
}

}  // namespace win32
