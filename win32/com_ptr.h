#pragma once
// Owner of one COM interface pointer. Adopt() takes over a reference that
// the caller already holds; Share() adds one of its own.
#include <windows.h>
#include <unknwn.h>

namespace win32 {

template <typename Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { reset(); }

    static ComPtr Adopt(Interface* pointer) noexcept
    {
        ComPtr owner;
        owner.pointer_ = pointer;
        return owner;
    }
    static ComPtr Share(Interface* pointer) noexcept
    {
        if (pointer)
            pointer->AddRef();
        return Adopt(pointer);
    }

    ComPtr(ComPtr&& other) noexcept : pointer_(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            pointer_ = other.release();
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    Interface* release() noexcept
    {
        Interface* pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }
    void reset() noexcept
    {
        if (pointer_)
            pointer_->Release();
        pointer_ = nullptr;
    }

    // For functions that hand back a new reference through a pointer.
    Interface** put() noexcept
    {
        reset();
        return &pointer_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

    template <typename Other>
    ComPtr<Other> Query(REFIID iid) const noexcept
    {
        ComPtr<Other> other;
        if (pointer_)
            pointer_->QueryInterface(iid, other.put_void());
        return other;
    }

private:
    Interface* pointer_ = nullptr;
};

// CoInitialize for the life of a scope, undone only if it succeeded.
class ComScope {
public:
    ComScope() noexcept : result_(::CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(result_)) ::CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    HRESULT result() const noexcept { return result_; }

private:
    HRESULT result_;
};

}  // namespace win32
