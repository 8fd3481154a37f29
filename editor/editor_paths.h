#pragma once
#include <string>

namespace editor {

// The files beside the editor: the shared settings, the help file and the
// two programs it starts.
struct EditorPaths {
    std::string programFolder;  // ends in "\"
    std::string settingsPath;   // Ombrix.ini
    std::string helpPath;       // Ombrix.chm
    std::string residentPath;   // Ombrix.exe
    std::string assistantPath;  // Ombrixa.exe
};

EditorPaths PathsForProgram(const std::string& programPath);

}  // namespace editor
