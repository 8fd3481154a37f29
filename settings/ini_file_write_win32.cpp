#include "settings/ini_file.h"

#include <windows.h>
#include <string>

namespace settings {

bool IniFile::WriteText(const char* section, const char* key, const std::string& value) const
{
    return WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str()) != FALSE;
}

bool IniFile::WriteInt(const char* section, const char* key, int value) const
{
    return WriteText(section, key, std::to_string(value));
}

}  // namespace settings
