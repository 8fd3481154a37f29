#include "win32/window.h"

#include <commctrl.h>

namespace win32 {

Window::~Window()
{
    // The object dies first: detach so no message reaches it afterwards.
    if (HWND handle = Unbind())
        DestroyWindow(handle);
}

HWND Window::Unbind() noexcept
{
    HWND handle = handle_;
    if (handle)
        SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
    handle_ = nullptr;
    return handle;
}

ATOM Window::RegisterClass(WNDCLASSEXA windowClass)
{
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = StaticProc;
    return RegisterClassExA(&windowClass);
}

bool Window::RegisterClassOnce(const char* className, int backgroundColour)
{
    WNDCLASSEXA windowClass = {};
    windowClass.hInstance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(windowClass.hInstance, className, &windowClass))
        return true;
    windowClass.lpszClassName = className;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
    return RegisterClass(windowClass) != 0;
}

bool Window::Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance)
{
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu, instance,
                           this) != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void Window::Bind(HWND window, Window* self)
{
    self->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
}

LRESULT CALLBACK Window::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        Bind(window, static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    return Route(window, message, wParam, lParam, DefWindowProcA);
}

LRESULT Window::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC unbound)
{
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return unbound(window, message, wParam, lParam);
    LRESULT result;
    // No exception may unwind into the system's code that called us.
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        result = self->DefaultProc(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        self->OnFinalMessage();
    }
    return result;
}

Subclass::~Subclass() { Detach(); }

bool Subclass::Attach(HWND window)
{
    Detach();
    if (!SetWindowSubclass(window, StaticProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    handle_ = window;
    return true;
}

void Subclass::Detach()
{
    if (handle_) {
        RemoveWindowSubclass(handle_, StaticProc, 0);
        handle_ = nullptr;
    }
}

LRESULT Subclass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT Subclass::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data)
{
    auto* self = reinterpret_cast<Subclass*>(data);
    LRESULT result;
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        result = DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        self->Detach();
    return result;
}

}  // namespace win32
