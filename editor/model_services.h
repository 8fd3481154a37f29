#pragma once
// What the settings model needs from outside: the clock, the disk, the
// user's answers. The editor gives the system's; the host tests their own.
#include <cstdint>
#include <memory>
#include <string>
#include "editor/edit_menu_file.h"
#include "menufile/menu_model.h"

namespace editor {

// Answers to question 170 (the menu file is missing or broken).
enum class FileAnswer { OtherFile, NewFile, Cancel };

class ModelServices {
public:
    virtual ~ModelServices() = default;
    // Seconds since 1 January 1970.
    virtual uint32_t Now() const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual MenuReports& Reports() = 0;
    // Question 170 about path.
    virtual FileAnswer AskMissingOrBroken(const std::string& path) = 0;
    // The file-open dialog starting at path; false when cancelled.
    virtual bool PickFile(std::string& path) = 0;
    // A copy of a menu for a duplicated section, made the way the editor
    // makes it (written out and read back); none when that failed.
    virtual std::unique_ptr<menufile::MenuList> CopyMenu(const menufile::MenuList& source) = 0;
};

}  // namespace editor
