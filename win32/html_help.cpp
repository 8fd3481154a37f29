#include "win32/html_help.h"

#include <htmlhelp.h>

namespace win32 {
namespace {

const char kControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr UINT kCloseAll = 0x12;  // HH_CLOSE_ALL

std::string RegisteredControlPath()
{
    UniqueRegistryKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kControlKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
        return {};
    char value[MAX_PATH] = "";
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    value[size] = '\0';
    if (type == REG_SZ)
        return value;
    char expanded[MAX_PATH];
    DWORD length = ExpandEnvironmentStringsA(value, expanded, MAX_PATH);
    return length > 0 && length <= MAX_PATH ? expanded : std::string();
}

std::string SystemControlPath()
{
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(folder) + "\\hhctrl.ocx";
}

// Only full paths: a bare name would be looked for beside the program
// first, where any file of that name would be loaded in its place.
bool IsFullPath(const std::string& path)
{
    return path.size() > 2 && (path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
}

}  // namespace

HtmlHelpControl::~HtmlHelpControl()
{
    if (htmlHelp_)
        htmlHelp_(nullptr, nullptr, kCloseAll, 0);
}

bool HtmlHelpControl::LoadFrom(const std::string& path)
{
    if (!IsFullPath(path))
        return false;
    UniqueModule control(LoadLibraryA(path.c_str()));
    if (!control)
        return false;
    auto function = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(control.get(), "HtmlHelpA")));
    if (!function)
        return false;
    control_ = std::move(control);
    htmlHelp_ = function;
    return true;
}

bool HtmlHelpControl::Load()
{
    if (!tried_) {
        tried_ = true;
        if (!LoadFrom(RegisteredControlPath()))
            LoadFrom(SystemControlPath());
    }
    return htmlHelp_ != nullptr;
}

HWND HtmlHelpControl::Show(HWND owner, const std::string& helpFile, UINT command, DWORD_PTR data)
{
    if (!Load())
        return nullptr;
    return htmlHelp_(owner, helpFile.c_str(), command, data);
}

HWND HtmlHelpControl::ShowForRequest(HWND owner, const std::string& helpFile, const HELPINFO& request)
{
    if (GetFileAttributesA(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES)
        return nullptr;
    if (request.dwContextId)
        return Show(owner, helpFile, HH_HELP_CONTEXT, request.dwContextId);
    return Show(owner, helpFile, HH_DISPLAY_TOPIC, 0);
}

}  // namespace win32
