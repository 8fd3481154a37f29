#include "win32/file_icon.h"

#include <shellapi.h>

namespace win32 {

namespace {

// -1 asks for the number of icons, and 1 says "a file, but without icons":
// neither is a handle.
constexpr int kCountQuery = -1;

HICON Handle(HICON answer)
{
    return answer == reinterpret_cast<HICON>(1) ? nullptr : answer;
}

HINSTANCE Caller(HINSTANCE instance)
{
    return instance ? instance : GetModuleHandleA(nullptr);
}

}  // namespace

UniqueIcon ExtractFileIcon(const std::string& path, int number, IconSize size, HINSTANCE instance)
{
    if (path.empty() || number == kCountQuery)
        return {};
    if (size == IconSize::Large)
        return UniqueIcon(Handle(ExtractIconA(Caller(instance), path.c_str(), static_cast<UINT>(number))));
    HICON small = nullptr;
    if (ExtractIconExA(path.c_str(), number, nullptr, &small, 1) == 0)
        return {};
    return UniqueIcon(Handle(small));
}

int CountFileIcons(const std::string& path, HINSTANCE instance)
{
    if (path.empty())
        return 0;
    // With -1 the answer is the count, not a handle.
    HICON answer = ExtractIconA(Caller(instance), path.c_str(), static_cast<UINT>(kCountQuery));
    return static_cast<int>(reinterpret_cast<UINT_PTR>(answer));
}

}  // namespace win32
