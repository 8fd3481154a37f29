#include "resident/menus/window_hook.h"

#include <unordered_map>

namespace resident {

namespace {

std::unordered_map<HWND, WindowHook*>& Chains()
{
    static std::unordered_map<HWND, WindowHook*> chains;
    return chains;
}

}  // namespace

WindowHook::~WindowHook()
{
    Remove();
}

WindowHook* WindowHook::FirstHook(HWND window)
{
    auto found = Chains().find(window);
    return found == Chains().end() ? nullptr : found->second;
}

void WindowHook::Install(HWND window)
{
    Remove();
    WindowHook*& first = Chains()[window];
    if (first) {
        savedProc_ = first->savedProc_;
    } else {
        savedProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommonProc)));
    }
    next_ = first;
    first = this;
    window_ = window;
}

void WindowHook::Remove()
{
    if (!window_)
        return;
    auto found = Chains().find(window_);
    if (found != Chains().end()) {
        if (found->second == this) {
            found->second = next_;
            if (!next_) {
                Chains().erase(found);
                SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
            }
        } else {
            for (WindowHook* hook = found->second; hook; hook = hook->next_) {
                if (hook->next_ == this) {
                    hook->next_ = next_;
                    break;
                }
            }
        }
    }
    window_ = nullptr;
    next_ = nullptr;
}

LRESULT WindowHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT WindowHook::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (next_)
        return next_->WindowProc(message, wParam, lParam);
    return CallWindowProcA(savedProc_, window_, message, wParam, lParam);
}

LRESULT CALLBACK WindowHook::CommonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowHook* first = FirstHook(window);
    if (!first)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window goes: every hook lets go of it before its own
        // procedure sees the last message.
        WNDPROC saved = first->savedProc_;
        while (WindowHook* hook = FirstHook(window))
            hook->Remove();
        return CallWindowProcA(saved, window, message, wParam, lParam);
    }
    WNDPROC saved = first->savedProc_;
    try {
        return first->WindowProc(message, wParam, lParam);
    } catch (...) {
        return CallWindowProcA(saved, window, message, wParam, lParam);
    }
}

}  // namespace resident
