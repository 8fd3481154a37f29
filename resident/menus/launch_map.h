#pragma once
// Command id to launch string, filled while a popup is built and read when
// the chosen entry is started. A launch string is the target, a NUL, the
// parameters and a NUL in one block.
#include <cstdint>
#include <string>
#include <vector>

namespace resident {

class LaunchMap {
public:
    // Ids are kept by their low 16 bits, as the menu reports them. A later
    // Put of the same id replaces the earlier string.
    void Put(int id, const std::string& target, const std::string& parameters);
    // The launch string of the id, or an empty string when the id has none.
    std::string Find(int id) const;
    void Clear();
    size_t size() const;

private:
    // The strings live in one block: a popup of a thousand entries costs a
    // few allocations, not two per entry.
    struct Entry {
        uint16_t id;
        uint32_t offset;
        uint32_t length;
    };
    const Entry* Lookup(uint16_t id) const;
    // Orders the entries by id, the last put of an id winning; done on the
    // first look after ids came out of order, so no Put searches.
    void Sort() const;

    mutable std::vector<Entry> entries_;
    std::string strings_;
    mutable bool sorted_ = true;
};

// The two halves of a launch string.
inline std::string LaunchTarget(const std::string& launchString)
{
    return std::string(launchString.c_str());
}

inline std::string LaunchParameters(const std::string& launchString)
{
    size_t end = launchString.find('\0');
    return end == std::string::npos ? std::string() : std::string(launchString.c_str() + end + 1);
}

}  // namespace resident
