#include "setup/setup_paths.h"

#include <windows.h>
#include <vector>
#include "settings/paths.h"

namespace setup {

SetupPaths PathsForProgram(const std::string& programPath)
{
    SetupPaths paths;
    paths.programFolder = settings::FolderOf(programPath);
    paths.settingsPath = settings::SharedSettingsPath(paths.programFolder);
    paths.helpPath = paths.programFolder + "Ombrix.chm";
    paths.residentPath = paths.programFolder + "Ombrix.exe";
    return paths;
}

SetupPaths PathsOfThisProgram()
{
    // A folder deeper than MAX_PATH is cut by the system rather than by us.
    std::vector<char> path(MAX_PATH);
    DWORD length;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size())
        path.resize(path.size() * 2);
    return PathsForProgram(std::string(path.data(), length));
}

}  // namespace setup
