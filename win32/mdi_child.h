#pragma once
// A child window of an MDI client, bound to its object through the MDI
// creation data, with the child's default procedure.
#include <windows.h>
#include "win32/window.h"

namespace win32 {

class MdiChild : public Window {
public:
    // Destroys the window through its client, which keeps the window menu
    // and the active child right.
    ~MdiChild() override;

    // Registers a class for MDI children; every other field is the caller's.
    static ATOM RegisterClass(WNDCLASSEXA windowClass);

    // Creates the child in the MDI client (WM_MDICREATE) at the default
    // place and size, or maximised when the active child is.
    bool Create(HWND mdiClient, const char* className, const char* title, DWORD style = 0);

    void Activate();
    // Makes the window larger by more, moving it up and left where it would
    // leave the client area, and never larger than that area. A maximised
    // or minimised window stays as it is.
    void Grow(SIZE more);
    // Asks the client to destroy the window (WM_MDIDESTROY).
    void Destroy();

protected:
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace win32
