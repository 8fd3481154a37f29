#pragma once
// Reads a settings file a section at a time. The system's private-profile
// reading opens and parses the whole file again for every key, which makes
// up much of the editor's start with ten sections. Values the plain reading
// might read differently (quoted, empty, not a plain number) are still read
// key by key, so the answers are the system's own.
#include <map>
#include <string>
#include "settings/ini_file.h"
#include "settings/ini_section_lines.h"

namespace settings {

class IniSectionReader {
public:
    explicit IniSectionReader(std::string path) : file_(std::move(path)) {}

    int ReadInt(const char* section, const char* key, int defaultValue) const;
    // At most kMaxValueLength bytes, as IniFile::ReadText.
    std::string ReadText(const char* section, const char* key) const;

private:
    const SectionLines& Lines(const char* section) const;

    IniFile file_;
    mutable std::map<std::string, SectionLines> sections_;  // by lower-case name
};

}  // namespace settings
