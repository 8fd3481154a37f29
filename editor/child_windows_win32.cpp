#include "editor/child_windows.h"

#include <algorithm>

namespace editor {

ChildWindow* ChildWindows::OpenOrActivate(WindowKind kind, const void* subject, const std::string& title,
                                          const Factory& make)
{
    ChildWindow* window = Find(kind, subject);
    if (!window) {
        std::unique_ptr<ChildWindow> made = make();
        if (!made || !made->Create(client_, title))
            return nullptr;
        // Only a window that exists is forgotten when it goes.
        made->SetGone([this](ChildWindow& gone) { Forget(gone); });
        windows_.push_back(std::move(made));
        window = windows_.back().get();
    }
    window->Activate();
    return window;
}

bool ChildWindows::Activate(WindowKind kind, const void* subject)
{
    ChildWindow* window = Find(kind, subject);
    if (window)
        window->Activate();
    return window != nullptr;
}

void ChildWindows::Close(WindowKind kind, const void* subject)
{
    if (ChildWindow* window = Find(kind, subject))
        window->Destroy();
}

ChildWindow* ChildWindows::Find(WindowKind kind, const void* subject) const
{
    for (const auto& window : windows_) {
        if (window->handle() && window->kind() == kind && (!subject || window->subject() == subject))
            return window.get();
    }
    return nullptr;
}

ChildWindow* ChildWindows::FromHandle(HWND handle) const
{
    for (const auto& window : windows_) {
        if (handle && window->handle() == handle)
            return window.get();
    }
    return nullptr;
}

ChildWindow* ChildWindows::Active() const
{
    return client_ ? FromHandle(reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0))) : nullptr;
}

std::vector<ChildWindow*> ChildWindows::All() const
{
    std::vector<ChildWindow*> all;
    for (const auto& window : windows_) {
        if (window->handle())
            all.push_back(window.get());
    }
    return all;
}

// Called from the window's last message: nothing of it is used afterwards.
void ChildWindows::Forget(ChildWindow& window)
{
    auto found = std::find_if(windows_.begin(), windows_.end(),
                              [&](const auto& owned) { return owned.get() == &window; });
    if (found != windows_.end())
        windows_.erase(found);
}

}  // namespace editor
