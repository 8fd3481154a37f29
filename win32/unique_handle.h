#pragma once
// One move-only owner for every kind of Win32 handle. The traits name the
// handle type, its "no handle" value and how it is released.
#include <windows.h>
#include <shlobj.h>

namespace win32 {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) { Count(handle_, +1); }
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) { Count(handle_, +1); }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }

    Handle release() noexcept
    {
        Handle handle = handle_;
        handle_ = Traits::invalid();
        Count(handle, -1);
        return handle;
    }

    void reset(Handle handle = Traits::invalid()) noexcept
    {
        if (handle_ != Traits::invalid()) {
            Traits::close(handle_);
            Count(handle_, -1);
        }
        handle_ = handle;
        Count(handle_, +1);
    }

    // What put() hands out: counts the handle that the function writes.
    class Output {
    public:
        explicit Output(UniqueHandle& owner) noexcept : owner_(owner) {}
        ~Output() { Count(owner_.handle_, +1); }
        Output(const Output&) = delete;
        Output& operator=(const Output&) = delete;
        operator Handle*() const noexcept { return &owner_.handle_; }

    private:
        UniqueHandle& owner_;
    };

    // For functions that return a handle through a pointer argument.
    Output put() noexcept
    {
        reset();
        return Output(*this);
    }

    // Handles of this kind held by owners now. Tests use it to prove that
    // nothing leaks where the system keeps no count (GetGuiResources
    // answers 0 under Wine). One thread per program: no atomics needed.
    static long LiveCount() noexcept { return live_; }

private:
    static void Count(Handle handle, long change) noexcept
    {
        if (handle != Traits::invalid())
            live_ += change;
    }

    Handle handle_ = Traits::invalid();
    static inline long live_ = 0;
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::CloseHandle(h); }
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) { ::CloseHandle(h); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DestroyMenu(h); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DestroyIcon(h); }
};

template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DeleteObject(h); }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::DeleteDC(h); }
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::RegCloseKey(h); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::FreeLibrary(h); }
};

struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::GlobalFree(h); }
};

struct ItemIdListTraits {
    using Handle = LPITEMIDLIST;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::CoTaskMemFree(h); }
};


using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueItemIdList = UniqueHandle<ItemIdListTraits>;
using UniqueGlobalMemory = UniqueHandle<GlobalMemoryTraits>;

// A DC from GetDC, given back to the window it came from.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() { if (dc_) ::ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back.
class SelectObjectGuard {
public:
    SelectObjectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectObjectGuard() { if (previous_) ::SelectObject(dc_, previous_); }
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace win32
