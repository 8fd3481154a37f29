#include "editor/menu_file_names.h"

#include <cstring>
#include "settings/keys.h"
#include "shiftjis/shift_jis.h"

namespace editor {

namespace {

const char kForbidden[] = "\\/:*?\"<>|";

bool IsForbidden(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || std::strchr(kForbidden, c) != nullptr;
}

std::string Candidate(const std::string& poolPath, const std::string& namePart, const std::string& tail)
{
    const size_t room = settings::kMaxValueLength > poolPath.size() + tail.size()
                            ? settings::kMaxValueLength - poolPath.size() - tail.size()
                            : 0;
    return poolPath + shiftjis::CutOnCharacterBoundary(namePart, room) + tail;
}

}  // namespace

std::string FileNamePart(const std::string& description)
{
    std::string kept;
    for (size_t i = 0; i < description.size();) {
        size_t width = shiftjis::CharSize(description, i);
        if (width == 2 || !IsForbidden(description[i]))
            kept.append(description, i, width);
        i += width;
    }
    return kept;
}

std::string NewMenuFilePath(const std::string& poolPath, const std::string& description, Side side,
                            uint32_t secondsSince1970, const PathTaken& taken)
{
    const std::string namePart = FileNamePart(description);
    const std::string stem = (side == kLeft ? "_L" : "_R") + std::to_string(secondsSince1970);
    std::string path = Candidate(poolPath, namePart, stem + ".txt");
    for (int suffix = 2; taken(path); ++suffix)
        path = Candidate(poolPath, namePart, stem + "_" + std::to_string(suffix) + ".txt");
    return path;
}

}  // namespace editor
