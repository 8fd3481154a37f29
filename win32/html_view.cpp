#include "win32/html_view.h"

#include <objbase.h>
#include "win32/com_ptr.h"

namespace win32 {

namespace {

constexpr char kContainerClass[] = "AtlAxWin";

std::string SystemFile(const char* name)
{
    char folder[MAX_PATH] = "";
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length < MAX_PATH ? length : 0) + "\\" + name;
}

// The container's class lives in atl.dll, which stays loaded with the
// process. Loaded from the system folder, never from beside the program.
bool ContainerRegistered()
{
    static const bool registered = [] {
        HMODULE atl = LoadLibraryA(SystemFile("atl.dll").c_str());
        auto init = atl ? reinterpret_cast<BOOL(WINAPI*)()>(
                              reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")))
                        : nullptr;
        return init && init();
    }();
    return registered;
}

}  // namespace

bool HtmlEngineAvailable()
{
    CLSID document = {};
    ComPtr<IUnknown> probe;
    return SUCCEEDED(CLSIDFromProgID(L"htmlfile", &document)) &&
           SUCCEEDED(CoCreateInstance(document, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, probe.put_void()));
}

HWND CreateHtmlView(HWND parent, const std::string& url)
{
    if (!ContainerRegistered())
        return nullptr;
    return CreateWindowExA(0, kContainerClass, url.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string HtmlResourceUrl(HMODULE module, int id)
{
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return HtmlResourceUrl(std::string(path, length < MAX_PATH ? length : 0), id);
}

// A "#" left in the path would end the address there; "%" would start an
// escape.
std::string HtmlResourceUrl(const std::string& modulePath, int id)
{
    std::string url = "res://";
    for (char c : modulePath)
        url += c == '#' ? "%23" : c == '%' ? "%25" : std::string(1, c);
    return url + "/#23/#" + std::to_string(id);
}

}  // namespace win32
