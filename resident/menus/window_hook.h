#pragma once
// A chain of procedure hooks in front of one window's own procedure. The
// first hook installed on a window subclasses it with one common procedure;
// each hook passes what it does not handle to the next, and the last one to
// the procedure that was there before.
#include <windows.h>

namespace resident {

class WindowHook {
public:
    WindowHook() = default;
    // Removes the hook if it is still installed.
    virtual ~WindowHook();
    WindowHook(const WindowHook&) = delete;
    WindowHook& operator=(const WindowHook&) = delete;

    // Puts the hook at the front of the window's chain.
    void Install(HWND window);
    // Takes the hook out of its chain, wherever it is in it.
    void Remove();
    bool installed() const { return window_ != nullptr; }
    HWND window() const { return window_; }

    // The first hook of the window's chain, or null.
    static WindowHook* FirstHook(HWND window);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The next hook's procedure, or the window's own one after the last.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK CommonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC savedProc_ = nullptr;
    WindowHook* next_ = nullptr;
};

}  // namespace resident
