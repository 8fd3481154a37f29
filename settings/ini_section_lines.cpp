#include "settings/ini_section_lines.h"

namespace settings {

namespace {

std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string LowerName(std::string name)
{
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

SectionLines ParseSectionLines(const char* data, size_t size)
{
    SectionLines lines;
    for (size_t at = 0; at < size && data[at];) {
        size_t end = at;
        while (end < size && data[end])
            ++end;
        std::string line(data + at, end - at);
        size_t equals = line.find('=');
        if (equals != std::string::npos)
            lines.emplace(LowerName(Trimmed(line.substr(0, equals))), Trimmed(line.substr(equals + 1)));
        at = end + 1;
    }
    return lines;
}

}  // namespace settings
