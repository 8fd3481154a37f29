#pragma once
// Values of [Main] whose default depends on the reading program.
#include <string>

namespace settings {

class IniFile;

// [Main] PoolPath, or the program folder's "work\" when it is missing or
// empty. programFolder ends in a backslash.
std::string ReadPoolPath(const IniFile& file, const std::string& programFolder);

}  // namespace settings
