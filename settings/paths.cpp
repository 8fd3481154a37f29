#include "settings/paths.h"

#include "shiftjis/shift_jis.h"

namespace settings {

namespace {
const char kSharedSettingsName[] = "Ombrix.ini";

std::string WithTrailingBackslash(const std::string& folder)
{
    if (folder.empty() || shiftjis::EndsWith(folder, '\\'))
        return folder;
    return folder + "\\";
}

bool HasDrive(const std::string& path)
{
    return path.size() >= 2 && path[1] == ':';
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The system's path splitting takes either slash as a separator, and so
// does Windows when it opens a network path.
bool IsNetworkPath(const std::string& path)
{
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

}  // namespace

std::string WithLastThreeReplaced(const std::string& path, const char* three)
{
    size_t keep = path.size() >= 3 ? path.size() - 3 : 0;
    return path.substr(0, keep) + three;
}

std::string ResidentSettingsPath(const std::string& programPath)
{
    return WithLastThreeReplaced(programPath, "ini");
}

std::string FolderOf(const std::string& path)
{
    size_t slash = shiftjis::FindLastOf(path, "\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string SharedSettingsPath(const std::string& programFolder)
{
    return WithTrailingBackslash(programFolder) + kSharedSettingsName;
}

std::string DefaultPoolPath(const std::string& programFolder)
{
    return WithTrailingBackslash(programFolder) + "work\\";
}

std::string DefaultServePath(const std::string& programFolder)
{
    return WithTrailingBackslash(programFolder) + "service\\";
}

std::string ResolveMenuPath(const std::string& poolPath, const std::string& menuPath)
{
    if (menuPath.empty() || HasDrive(menuPath) || IsNetworkPath(menuPath))
        return menuPath;
    return poolPath + menuPath;
}

std::string RelativeMenuPath(const std::string& poolPath, const std::string& fullPath)
{
    if (poolPath.empty() || fullPath.size() <= poolPath.size() || !shiftjis::StartsWithIgnoringCase(fullPath, poolPath))
        return fullPath;
    return fullPath.substr(poolPath.size());
}

}  // namespace settings
