#pragma once
// Saving a menu file so that no failure costs the file it replaces: the
// text goes into a temporary file in the target's folder, which then takes
// the target's place in one step. The previous version is kept beside it
// as the program's backup policy says, and a file that could not be kept
// is never replaced.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "menufile/menu_model.h"

namespace menufile {

enum class Backup {
    None,         // the previous version is not kept
    Generations,  // X.bak the newest previous version, X.bak2 ... older ones
    SessionStart  // X.bak holds X as it was before this saver first saved it
};

struct SaverArgs {
    HINSTANCE instance = nullptr;
    int headerId = 0;                 // RCDATA of the header block: 178 assistant, 136 editor
    std::string fallbackDisplayText;  // for a command item that nothing names
    // The name of a command item without a description (the shell's name of
    // its path); empty when there is none.
    std::function<std::string(const MenuEntry&)> displayName;
    Backup backup = Backup::None;
};

// Tests simulate a full disk through this environment variable: a menu file
// then takes at most that many bytes, and the write fails as on a full disk.
extern const char kSimulatedDiskBytes[];

class MenuFileSaver {
public:
    explicit MenuFileSaver(SaverArgs args);

    // Writes root as the menu file at path. NO_ERROR, or the system's error
    // code of the step that failed; the file at path is then as it was, and
    // no temporary file is left behind.
    DWORD Save(const std::string& path, const MenuList& root);

private:
    std::string Text(const std::string& path, const MenuList& root) const;
    DWORD KeepPrevious(const std::string& path, const std::string& text) const;
    bool SavedBefore(const std::string& path) const;

    SaverArgs args_;
    std::vector<std::string> saved_;
};

}  // namespace menufile
