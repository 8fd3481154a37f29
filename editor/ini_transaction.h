#pragma once
// The settings file's keys written through the private-profile operations
// into a copy beside the file, which then takes the file's place in one
// step: a save that fails or is cut off leaves the file as it was.
#include <windows.h>
#include <functional>
#include <string>
#include "editor/save_all.h"

namespace editor {

class IniTransaction : public ProfileTransaction {
public:
    // report shows a failure: the settings file's path and the system's error.
    using ErrorReport = std::function<void(const std::string& path, DWORD error)>;

    IniTransaction(std::string path, ErrorReport report);
    ~IniTransaction() override;
    IniTransaction(const IniTransaction&) = delete;
    IniTransaction& operator=(const IniTransaction&) = delete;

    int ReadInt(const std::string& section, const char* key, int defaultValue) const override;
    std::string ReadText(const std::string& section, const char* key) const override;
    bool WriteText(const std::string& section, const char* key, const std::string& value) override;
    // Nothing written: nothing to do. Otherwise the copy replaces the file.
    bool Commit() override;

private:
    const std::string& Current() const { return copy_.empty() ? path_ : copy_; }
    DWORD MakeCopy();
    void Discard();

    std::string path_;
    ErrorReport report_;
    std::string copy_;
    DWORD error_ = NO_ERROR;
};

}  // namespace editor
