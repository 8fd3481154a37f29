#include "resident/menus/launch_map.h"

#include <algorithm>

namespace resident {

void LaunchMap::Put(int id, const std::string& target, const std::string& parameters)
{
    auto key = static_cast<uint16_t>(id);
    Entry entry{key, static_cast<uint32_t>(strings_.size()),
                static_cast<uint32_t>(target.size() + parameters.size() + 2)};
    strings_ += target;
    strings_.push_back('\0');
    strings_ += parameters;
    strings_.push_back('\0');
    sorted_ = sorted_ && (entries_.empty() || key > entries_.back().id);
    entries_.push_back(entry);
}

void LaunchMap::Sort() const
{
    if (sorted_)
        return;
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    std::vector<Entry> unique;
    unique.reserve(entries_.size());
    for (const Entry& e : entries_) {
        if (!unique.empty() && unique.back().id == e.id)
            unique.back() = e;
        else
            unique.push_back(e);
    }
    entries_.swap(unique);
    sorted_ = true;
}

const LaunchMap::Entry* LaunchMap::Lookup(uint16_t id) const
{
    Sort();
    auto found = std::lower_bound(entries_.begin(), entries_.end(), id,
                                  [](const Entry& e, uint16_t key) { return e.id < key; });
    return found != entries_.end() && found->id == id ? &*found : nullptr;
}

size_t LaunchMap::size() const
{
    Sort();
    return entries_.size();
}

std::string LaunchMap::Find(int id) const
{
    const Entry* entry = Lookup(static_cast<uint16_t>(id));
    return entry ? strings_.substr(entry->offset, entry->length) : std::string();
}

void LaunchMap::Clear()
{
    // The storage goes too: a folder of 20,000 files must not keep its
    // launch strings' room for the rest of the session.
    std::vector<Entry>().swap(entries_);
    std::string().swap(strings_);
    sorted_ = true;
}

}  // namespace resident
