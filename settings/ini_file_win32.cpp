#include "settings/ini_file.h"

#include <windows.h>
#include <vector>
#include "settings/keys.h"
#include "shiftjis/shift_jis.h"

namespace settings {

int IniFile::ReadInt(const char* section, const char* key, int defaultValue) const
{
    // Negative values (-1 for "no icon number") come back as the unsigned
    // image of the number.
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path_.c_str()));
}

std::string IniFile::ReadText(const char* section, const char* key, const char* defaultValue) const
{
    // Read more than is kept, so that the cut to 259 bytes is ours and never
    // leaves half a double-byte character behind.
    std::vector<char> buffer(4 * kValueBufferSize);
    DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path_.c_str());
    return shiftjis::CutOnCharacterBoundary(std::string(buffer.data(), length), kMaxValueLength);
}

}  // namespace settings
