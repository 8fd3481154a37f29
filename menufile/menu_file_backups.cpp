#include "menufile/menu_file_backups.h"

namespace menufile {

namespace {

const char kModifiedLine[] = "; modified -- ";

// The text with the time of its writing left out.
std::string WithoutModifiedTime(const std::string& text)
{
    size_t line = text.compare(0, sizeof kModifiedLine - 1, kModifiedLine) == 0
                      ? 0
                      : text.find(std::string("\n") + kModifiedLine);
    if (line == std::string::npos)
        return text;
    size_t start = text.find(kModifiedLine, line) + sizeof kModifiedLine - 1;
    size_t end = text.find('\n', start);
    return text.substr(0, start) + (end == std::string::npos ? "" : text.substr(end));
}

}  // namespace

std::string BackupName(const std::string& path, int generation)
{
    return path + ".bak" + (generation > 1 ? std::to_string(generation) : "");
}

bool SameMenuText(const std::string& a, const std::string& b)
{
    return WithoutModifiedTime(a) == WithoutModifiedTime(b);
}

}  // namespace menufile
