#include "settings/ini_section_reader.h"

#include <windows.h>
#include <vector>
#include "settings/keys.h"
#include "shiftjis/shift_jis.h"

namespace settings {

namespace {

bool IsPlainNumber(const std::string& text)
{
    size_t digits = text.size() - (!text.empty() && text[0] == '-' ? 1 : 0);
    if (digits == 0 || digits > 9)
        return false;
    for (size_t i = text.size() - digits; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// A whole section leaves out the lines that start as a comment does, though
// a key of that name reads them.
bool IsCommentKey(const char* key)
{
    return key[0] == ';';
}

}  // namespace

const SectionLines& IniSectionReader::Lines(const char* section) const
{
    std::string name = LowerName(section);
    auto found = sections_.find(name);
    if (found != sections_.end())
        return found->second;
    // An answer that fills all but two bytes was cut short.
    std::vector<char> buffer(32768);
    DWORD length = 0;
    while ((length = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                               file_.path().c_str())) >= buffer.size() - 2)
        buffer.resize(buffer.size() * 2);
    return sections_[name] = ParseSectionLines(buffer.data(), length);
}

int IniSectionReader::ReadInt(const char* section, const char* key, int defaultValue) const
{
    if (IsCommentKey(key))
        return file_.ReadInt(section, key, defaultValue);
    const SectionLines& lines = Lines(section);
    auto found = lines.find(LowerName(key));
    if (found == lines.end())
        return defaultValue;
    return IsPlainNumber(found->second) ? std::stoi(found->second) : file_.ReadInt(section, key, defaultValue);
}

std::string IniSectionReader::ReadText(const char* section, const char* key) const
{
    if (IsCommentKey(key))
        return file_.ReadText(section, key);
    const SectionLines& lines = Lines(section);
    auto found = lines.find(LowerName(key));
    if (found == lines.end())
        return {};
    const std::string& value = found->second;
    if (!value.empty() && (value.front() == '"' || value.front() == '\''))
        return file_.ReadText(section, key);
    return shiftjis::CutOnCharacterBoundary(value, kMaxValueLength);
}

}  // namespace settings
