#pragma once
// The small window framework: a window object bound to its HWND from
// WM_NCCREATE to WM_NCDESTROY, one virtual message handler per class.
#include <windows.h>

namespace win32 {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a window class whose procedure dispatches to Window objects;
    // every other field of the class is the caller's.
    static ATOM RegisterClass(WNDCLASSEXA windowClass);
    // A class of this program with the arrow cursor and a system colour as
    // background, registered at the first call; false when that failed.
    static bool RegisterClassOnce(const char* className, int backgroundColour);

    // Creates the window of a class registered with RegisterClass.
    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu, HINSTANCE instance);

    HWND handle() const noexcept { return handle_; }

protected:
    // Handles one message; what it does not handle goes to DefaultProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure of the window's kind: DefWindowProc here, the MDI
    // default procedures in the frame and child classes.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone; the object may now be deleted by its owner.
    virtual void OnFinalMessage() {}

    // For window kinds whose creation data is not the object itself: binds
    // the object at WM_NCCREATE, then routes every message of the window to
    // it (or to unbound while no object is bound).
    static void Bind(HWND window, Window* self);
    static LRESULT Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC unbound);
    // Unbinds the object and hands back its window, which stays.
    HWND Unbind() noexcept;

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
};

// A control or foreign window whose messages an object sees first, through
// the common-controls subclass chain; what it does not handle goes on down
// the chain.
class Subclass {
public:
    Subclass() = default;
    virtual ~Subclass();
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    bool Attach(HWND window);
    void Detach();
    HWND handle() const noexcept { return handle_; }

protected:
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
    HWND handle_ = nullptr;
};

}  // namespace win32
