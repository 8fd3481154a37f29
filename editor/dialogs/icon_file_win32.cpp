#include "editor/dialogs/icon_file.h"

#include <shellapi.h>
#include "shiftjis/shift_jis.h"
#include "win32/file_icon.h"

namespace editor {

namespace {

constexpr char kSystemRoot[] = "SystemRoot";
constexpr size_t kSystemRootLength = sizeof kSystemRoot - 1;

std::string ReplaceSystemRoot(const std::string& text)
{
    if (text.size() < 12 || !shiftjis::EqualIgnoringCase(text.substr(0, kSystemRootLength), kSystemRoot))
        return text;
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return text;
    return std::string(windows, length) + text.substr(kSystemRootLength);
}

// The system's expansion: an unknown name or a lone "%" (a file may have
// one in its name) stays as it is.
std::string ExpandNames(const std::string& text)
{
    char expanded[MAX_PATH];
    DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, MAX_PATH);
    return length == 0 || length > MAX_PATH ? text : std::string(expanded);
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? path : std::string(full, length);
}

struct FindGroup {
    int resourceId;
    int position = 0;
    int found = -1;
};

BOOL CALLBACK NextGroup(HMODULE, LPCSTR, LPSTR name, LONG_PTR data)
{
    auto& search = *reinterpret_cast<FindGroup*>(data);
    if (IS_INTRESOURCE(name) && reinterpret_cast<ULONG_PTR>(name) == static_cast<ULONG_PTR>(search.resourceId)) {
        search.found = search.position;
        return FALSE;
    }
    ++search.position;
    return TRUE;
}

}  // namespace

std::string ResolveIconPath(const std::string& text)
{
    return FullPath(ReplaceSystemRoot(ExpandNames(text)));
}

bool IconFileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int IconCount(HINSTANCE instance, const std::string& path)
{
    return win32::CountFileIcons(path, instance);
}

int IconPositionOfResource(const std::string& path, int resourceId)
{
    win32::UniqueModule module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module || resourceId <= 0)
        return -1;
    FindGroup search{resourceId};
    EnumResourceNamesA(module.get(), RT_GROUP_ICON, NextGroup, reinterpret_cast<LONG_PTR>(&search));
    return search.found;
}

std::vector<win32::UniqueIcon> ExtractIcons(HINSTANCE instance, const std::string& path, int count)
{
    std::vector<win32::UniqueIcon> icons;
    for (int i = 0; i < count; ++i)
        icons.push_back(win32::ExtractFileIcon(path, i, win32::IconSize::Large, instance));
    return icons;
}

}  // namespace editor
