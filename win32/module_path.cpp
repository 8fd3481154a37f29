#include "win32/module_path.h"

#include <windows.h>
#include <vector>

namespace win32 {

std::string ThisProgramPath()
{
    std::vector<char> path(MAX_PATH);
    DWORD length;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size())
        path.resize(path.size() * 2);
    return std::string(path.data(), length);
}

}  // namespace win32
