#include "settings/main_section.h"

#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/paths.h"

namespace settings {

std::string ReadPoolPath(const IniFile& file, const std::string& programFolder)
{
    std::string pool = file.ReadText(kMainSection, kPoolPath);
    return pool.empty() ? DefaultPoolPath(programFolder) : pool;
}

}  // namespace settings
