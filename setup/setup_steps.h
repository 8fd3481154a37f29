#pragma once
// The work of the setup assistant, in three steps that the dialog runs one
// second apart. A step that fails (a folder, a settings write, a sample
// file) shows its box and ends the program with status 3.
#include <windows.h>
#include <functional>
#include <string>
#include "settings/ini_file.h"
#include "setup/setup_paths.h"

namespace setup {

class SetupSteps {
public:
    static constexpr int kTargetVersion = 10;

    explicit SetupSteps(SetupPaths paths);

    // [Main] IniVersion as the assistant found it; not 0 means a conversion.
    int foundVersion() const { return foundVersion_; }
    const SetupPaths& paths() const { return paths_; }

    // Step 1: the pool and service folders exist (their settings written
    // when missing, in their stored %NAME% form). progress gets 10 and 20.
    void PrepareFolders(const std::function<void(int)>& progress);
    // Step 2, on a fresh installation only: the tray settings and the six
    // sample menu files.
    void WriteSamples();
    // Step 3: IniVersion 10, then the resident is started.
    void StampAndStartResident(HWND owner);

private:
    void Write(const char* section, const char* key, const std::string& value);
    void Write(const char* section, const char* key, int value);
    std::string PrepareFolder(const char* key, const std::string& defaultPath);
    void WriteSection(int number, const std::string& iconFile);

    SetupPaths paths_;
    settings::IniFile settings_;
    int foundVersion_;
    std::string poolPath_;
    std::string servicePath_;
};

}  // namespace setup
