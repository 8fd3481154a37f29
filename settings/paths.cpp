#include "settings/paths.h"

#include "resident/text/dbcs.h"
#include "settings/shift_jis.h"

namespace settings {

namespace {
const char kSharedSettingsName[] = "Ombrix.ini";

std::string WithTrailingBackslash(const std::string& folder)
{
    if (folder.empty() || LastBackslash(folder) == folder.size() - 1)
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
    size_t slash = LastBackslash(path);
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
    if (poolPath.empty() || fullPath.size() <= poolPath.size() || !StartsWithIgnoringCase(fullPath, poolPath))
        return fullPath;
    return fullPath.substr(poolPath.size());
}

namespace {
char FoldedAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    if (prefix.size() > text.size())
        return false;
    size_t i = 0;
    while (i < prefix.size()) {
        bool lead = resident::IsLeadByte932(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        if (lead ? text.compare(i, 2, prefix, i, 2) != 0 : FoldedAscii(text[i]) != FoldedAscii(prefix[i]))
            return false;
        i += lead ? 2 : 1;
    }
    return i == prefix.size();
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

}  // namespace settings
