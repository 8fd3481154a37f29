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

// A name given as text lives only during its step of the enumeration.
struct IconSearch {
    int left;
    bool found = false;
    LPCSTR id = nullptr;
    std::string text;
    LPCSTR name() const { return id ? id : text.c_str(); }
};

BOOL CALLBACK CountDown(HMODULE, LPCSTR, LPSTR name, LONG_PTR data)
{
    auto* search = reinterpret_cast<IconSearch*>(data);
    if (search->left-- > 0)
        return TRUE;
    search->found = true;
    if (IS_INTRESOURCE(name))
        search->id = name;
    else
        search->text = name;
    return FALSE;
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

UniqueIcon LoadedModuleIcon(HMODULE module, int number, IconSize size)
{
    IconSearch search{number};
    if (!module || number < 0)
        return {};
    EnumResourceNamesA(module, RT_GROUP_ICON, CountDown, reinterpret_cast<LONG_PTR>(&search));
    if (!search.found)
        return {};
    bool small = size == IconSize::Small;
    int width = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    int height = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    return UniqueIcon(static_cast<HICON>(LoadImageA(module, search.name(), IMAGE_ICON, width, height, 0)));
}

}  // namespace win32
