#include "win32/clipboard.h"

#include <cstring>
#include "win32/unique_handle.h"

namespace win32 {

bool Clipboard::SetText(const std::string& text)
{
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1));
    void* bytes = memory ? GlobalLock(memory.get()) : nullptr;
    if (!open_ || !bytes)
        return false;
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());
    if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, memory.get()))
        return false;
    memory.release();  // the clipboard's now
    return true;
}

bool Clipboard::ReadText(const std::function<void(const char* bytes, size_t size)>& read) const
{
    HANDLE data = open_ ? GetClipboardData(CF_TEXT) : nullptr;
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!bytes)
        return false;
    read(bytes, GlobalSize(data));
    GlobalUnlock(data);
    return true;
}

}  // namespace win32
