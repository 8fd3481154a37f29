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

}  // namespace

UniqueIcon ExtractFileIcon(const std::string& path, int number, IconSize size)
{
    if (path.empty() || number == kCountQuery)
        return {};
    if (size == IconSize::Large)
        return UniqueIcon(
            Handle(ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(number))));
    HICON small = nullptr;
    if (ExtractIconExA(path.c_str(), number, nullptr, &small, 1) == 0)
        return {};
    return UniqueIcon(Handle(small));
}

}  // namespace win32
