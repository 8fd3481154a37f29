#pragma once
#include <string>

namespace shellfiles {

// The four parts of a Windows path, as _splitpath cuts them: "D:",
// "\folder\", "name", ".ext". Joined again they give the path back.
struct PathParts {
    std::string drive;
    std::string folder;
    std::string name;
    std::string extension;  // from the last "." of the file name on
};
PathParts SplitPath(const std::string& path);

// Deletes the characters that a file name cannot hold (/ : * ? < > | ") from
// the name part of path; a name left empty becomes "temp999". The drive,
// folder and extension are never touched. Unless keep is set, the cleaned
// path is stored back. True when the name needed no change.
bool CleanFileName(std::string& path, bool keep = false);

}  // namespace shellfiles
