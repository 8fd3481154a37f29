#pragma once
// The "key=value" lines of one settings-file section, as the system hands
// them over all at once: keys without regard to case, the first of a key
// kept, spaces and tabs around both trimmed.
#include <map>
#include <string>

namespace settings {

// Lower-case key -> value as written (quotes kept).
using SectionLines = std::map<std::string, std::string>;

// A key or section name as the lines are found by: ASCII letters lowered.
std::string LowerName(std::string name);

// data holds NUL-terminated lines, the list ending at an empty one or at
// size.
SectionLines ParseSectionLines(const char* data, size_t size);

}  // namespace settings
