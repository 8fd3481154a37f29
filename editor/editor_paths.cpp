#include "editor/editor_paths.h"

#include "settings/paths.h"

namespace editor {

EditorPaths PathsForProgram(const std::string& programPath)
{
    EditorPaths paths;
    paths.programFolder = settings::FolderOf(programPath);
    paths.settingsPath = settings::SharedSettingsPath(paths.programFolder);
    paths.helpPath = paths.programFolder + "Ombrix.chm";
    paths.residentPath = paths.programFolder + "Ombrix.exe";
    paths.assistantPath = paths.programFolder + "Ombrixa.exe";
    return paths;
}

}  // namespace editor
