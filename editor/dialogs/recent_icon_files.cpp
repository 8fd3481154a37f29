#include "editor/dialogs/recent_icon_files.h"

#include <algorithm>
#include "shiftjis/shift_jis.h"

namespace editor {

namespace {

auto SameFile(const std::string& path)
{
    return [&path](const std::string& file) { return shiftjis::EqualIgnoringCase(file, path); };
}

}  // namespace

RecentIconFiles::RecentIconFiles(const std::vector<std::string>& files)
{
    for (const std::string& file : files) {
        if (!file.empty() && !Contains(file) && files_.size() < kCapacity)
            files_.push_back(file);
    }
}

void RecentIconFiles::Add(const std::string& path)
{
    if (path.empty())
        return;
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > kCapacity)
        files_.pop_back();
}

void RecentIconFiles::Remove(const std::string& path)
{
    auto found = Find(path);
    if (found != files_.end())
        files_.erase(found);
}

bool RecentIconFiles::Contains(const std::string& path) const
{
    return std::any_of(files_.begin(), files_.end(), SameFile(path));
}

std::vector<std::string>::iterator RecentIconFiles::Find(const std::string& path)
{
    return std::find_if(files_.begin(), files_.end(), SameFile(path));
}

}  // namespace editor
