#pragma once
#include <string>

namespace setup {

// The files of an installation, all in the assistant's own folder.
struct SetupPaths {
    std::string programFolder;  // ends in "\"
    std::string settingsPath;   // Ombrix.ini, the resident's settings
    std::string helpPath;       // Ombrix.chm
    std::string residentPath;   // Ombrix.exe
};

SetupPaths PathsForProgram(const std::string& programPath);
SetupPaths PathsOfThisProgram();

}  // namespace setup
