#pragma once
// Reading one settings file through the system's private-profile
// operations (names compared without regard to case, integers as decimal
// text). A missing file or key reads as the default.
#include <string>
#include <utility>

namespace settings {

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    int ReadInt(const char* section, const char* key, int defaultValue) const;
    // At most kMaxValueLength bytes, cut on a character boundary.
    std::string ReadText(const char* section, const char* key, const char* defaultValue = "") const;

    // Writes through the private-profile operations (integers as decimal
    // text); false when the system refused.
    bool WriteText(const char* section, const char* key, const std::string& value) const;
    bool WriteInt(const char* section, const char* key, int value) const;

private:
    std::string path_;
};

}  // namespace settings
