#pragma once
// Command id to launch string, filled while a popup is built and read when
// the chosen entry is started. A launch string is the target, a NUL, the
// parameters and a NUL in one block.
#include <cstdint>
#include <string>
#include <unordered_map>

namespace resident {

class LaunchMap {
public:
    // Ids are kept by their low 16 bits, as the menu reports them.
    void Put(int id, const std::string& target, const std::string& parameters)
    {
        std::string block = target;
        block.push_back('\0');
        block += parameters;
        block.push_back('\0');
        strings_[static_cast<uint16_t>(id)] = std::move(block);
    }

    // The launch string of the id, or null when the id has none.
    const std::string* Find(int id) const
    {
        auto found = strings_.find(static_cast<uint16_t>(id));
        return found == strings_.end() ? nullptr : &found->second;
    }

    void Clear() { strings_.clear(); }
    size_t size() const { return strings_.size(); }

private:
    std::unordered_map<uint16_t, std::string> strings_;
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
