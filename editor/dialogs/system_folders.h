#pragma once
// The special folders that the system-folder chooser offers: those with a
// name of their own that exist on this machine, by increasing CSIDL value.
#include <windows.h>
#include <string>
#include <vector>

namespace editor {

struct SystemFolder {
    int csidl;
    std::string displayName;  // the shell's
    int image;                // in the system image list, -1 when none
    std::string path;         // empty for a folder outside the file system
};

std::vector<SystemFolder> NamedSystemFolders();

}  // namespace editor
