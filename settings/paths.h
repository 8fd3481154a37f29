#pragma once
// Where the settings file lies and how menu paths are read. Paths are
// Shift-JIS byte strings.
#include <string>

namespace settings {

// The resident's settings file: its own full path with "ini" for the last
// three characters, so that it bears the program's name.
std::string ResidentSettingsPath(const std::string& programPath);

// The path with its last three characters replaced (the resident's settings
// and help files).
std::string WithLastThreeReplaced(const std::string& path, const char* three);

// The folder of a full file path, ending in a backslash (empty when the
// path has none).
std::string FolderOf(const std::string& path);

// The file the editor and the setup assistant read: Ombrix.ini in their own
// folder (which ends in a backslash).
std::string SharedSettingsPath(const std::string& programFolder);

// Defaults of [Main] PoolPath and ServePath for a program folder that ends
// in a backslash.
std::string DefaultPoolPath(const std::string& programFolder);
std::string DefaultServePath(const std::string& programFolder);

// A menu path as the programs open it: a path with neither a drive nor a
// leading double backslash is joined to the pool path as it stands (no
// separator added or removed); any other path is used unchanged, and an
// empty one stays empty (no menu on that side).
std::string ResolveMenuPath(const std::string& poolPath, const std::string& menuPath);

// A full menu path as the editor writes it: relative to the pool path when
// it is longer and begins with it (without regard to case, double-byte
// characters whole); otherwise unchanged.
std::string RelativeMenuPath(const std::string& poolPath, const std::string& fullPath);

}  // namespace settings
