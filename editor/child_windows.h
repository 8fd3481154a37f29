#pragma once
// The windows open in the frame's MDI client, owned here and found by kind
// and subject: the by-title functions of the editor without the title, so
// that two sections of the same Desc never share a window.
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "editor/child_window.h"

namespace editor {

class ChildWindows {
public:
    using Factory = std::function<std::unique_ptr<ChildWindow>()>;

    void SetClient(HWND mdiClient) { client_ = mdiClient; }

    // The open window of that kind and subject, else a new one from make
    // with the title; activated either way. Null when none could be made.
    ChildWindow* OpenOrActivate(WindowKind kind, const void* subject, const std::string& title,
                                const Factory& make);
    // Activates the open window; false when there is none.
    bool Activate(WindowKind kind, const void* subject);
    // Destroys the open window, if any.
    void Close(WindowKind kind, const void* subject);
    // The open window of that kind and subject; with a null subject the
    // first window of the kind.
    ChildWindow* Find(WindowKind kind, const void* subject = nullptr) const;
    ChildWindow* FromHandle(HWND window) const;
    // The active window, or null.
    ChildWindow* Active() const;
    // Every open window, in the order they were opened.
    std::vector<ChildWindow*> All() const;

private:
    void Forget(ChildWindow& window);

    HWND client_ = nullptr;
    std::vector<std::unique_ptr<ChildWindow>> windows_;
};

}  // namespace editor
