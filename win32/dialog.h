#pragma once
// Dialogs from resource templates: the object is bound at WM_INITDIALOG and
// its virtual handlers are called from one dispatcher. A modal and a
// modeless dialog differ only in how End() closes them.
#include <windows.h>

namespace win32 {

class Dialog {
public:
    Dialog() = default;
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog and returns what End() was given (-1 if it could not be made).
    INT_PTR DoModal(HINSTANCE instance, int templateId, HWND parent);
    bool CreateModeless(HINSTANCE instance, int templateId, HWND parent);

    HWND handle() const noexcept { return handle_; }
    HWND Item(int id) const { return GetDlgItem(handle_, id); }
    void End(INT_PTR result);

protected:
    // Returns TRUE for a message it handled; see DialogProc's rules.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Return false when the focus was set by the handler.
    virtual bool OnInit() { return true; }
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    virtual void OnTimer(UINT_PTR timerId) {}
    // Owner-drawn controls of the dialog; return true when drawn.
    virtual bool OnDrawItem(int controlId, const DRAWITEMSTRUCT& item) { return false; }
    virtual bool OnNotify(const NMHDR& header, LRESULT& result) { return false; }
    // F1 or the caption's help button: what was asked about.
    virtual void OnHelp(const HELPINFO& info) {}
    virtual void OnDestroy() {}

    // For kinds of dialog whose WM_INITDIALOG carries the object somewhere
    // else (property pages): binds self at WM_INITDIALOG (null for every
    // other message) and routes the message to the bound object.
    static INT_PTR Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Dialog* binding);

private:
    static INT_PTR CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
    bool modal_ = false;
};

// A control's colour request (WM_CTLCOLORSTATIC and its kin) is first sent
// back to the control as ReflectedMessage(message), with the same arguments,
// so that a subclassed control can choose its own colours. A non-zero answer
// is the brush; zero leaves the request to the dialog's default.
constexpr UINT kReflectedMessageBase = WM_USER + 0x1c00;
constexpr UINT ReflectedMessage(UINT message) { return kReflectedMessageBase + message; }

// Whether a message belongs to a modeless dialog; call from the message
// loop before TranslateMessage.
inline bool IsModelessDialogMessage(const Dialog& dialog, MSG& message)
{
    return dialog.handle() && IsDialogMessageA(dialog.handle(), &message);
}

}  // namespace win32
