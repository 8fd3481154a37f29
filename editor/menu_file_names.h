#pragma once
// Names of the menu files the editor makes for a section, and of a new
// section.
#include <cstdint>
#include <functional>
#include <string>
#include "editor/section.h"

namespace editor {

// Whether a path is already used (on disk or by another menu of the model).
using PathTaken = std::function<bool(const std::string& path)>;

// The Desc part of a file name: the characters a file name cannot hold
// (\ / : * ? " < > | and control bytes) deleted, double-byte characters
// kept whole (their trail bytes 0x5C and 0x7C are no separators).
std::string FileNamePart(const std::string& description);

// poolPath + Desc + "_L" (or "_R") + the time in decimal seconds + ".txt";
// a taken name gets "_2", "_3", ... before ".txt". The Desc part is cut so
// that the path fits in 259 bytes.
std::string NewMenuFilePath(const std::string& poolPath, const std::string& description, Side side,
                            uint32_t secondsSince1970, const PathTaken& taken);

}  // namespace editor
