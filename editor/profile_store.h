#pragma once
// The settings file as the editor's model reads and writes it: the
// private-profile operations on Windows, a table in the host tests.
#include <string>

namespace editor {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual int ReadInt(const std::string& section, const char* key, int defaultValue) const = 0;
    virtual std::string ReadText(const std::string& section, const char* key) const = 0;
    // False when the value could not be written.
    virtual bool WriteText(const std::string& section, const char* key, const std::string& value) = 0;
    bool WriteInt(const std::string& section, const char* key, int value)
    {
        return WriteText(section, key, std::to_string(value));
    }
};

}  // namespace editor
