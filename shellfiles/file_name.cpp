#include "shellfiles/file_name.h"

#include <cstring>
#include "shiftjis/shift_jis.h"

namespace shellfiles {

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    std::string rest = path.substr(start);
    size_t slash = shiftjis::FindLastOf(rest, "\\/");
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.folder = rest.substr(0, nameStart);
    std::string file = rest.substr(nameStart);
    size_t dot = shiftjis::FindLastOf(file, ".");
    parts.name = file.substr(0, dot);
    if (dot != std::string::npos)
        parts.extension = file.substr(dot);
    return parts;
}

namespace {

const char kForbidden[] = "/:*?<>|\"";

// Deletes the forbidden single-byte characters; true when there were none.
bool DeleteForbidden(std::string& name)
{
    std::string kept;
    for (size_t i = 0; i < name.size();) {
        size_t length = shiftjis::CharSize(name, i);
        if (length == 2 || !std::strchr(kForbidden, name[i]))
            kept.append(name, i, length);
        i += length;
    }
    bool unchanged = kept.size() == name.size();
    name.swap(kept);
    return unchanged;
}

}  // namespace

bool CleanFileName(std::string& path, bool keep)
{
    PathParts parts = SplitPath(path);
    bool unchanged = true;
    if (!parts.name.empty()) {
        unchanged = DeleteForbidden(parts.name);
        if (parts.name.empty())
            parts.name = "temp999";
    }
    if (!keep)
        path = parts.drive + parts.folder + parts.name + parts.extension;
    return unchanged;
}

}  // namespace shellfiles
