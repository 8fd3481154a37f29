#pragma once
// The editor's copy of one [SectionN]: the values of one tray icon and its
// two menu files. The section's number is not kept here: it is its place in
// the settings list.
#include <cstdint>
#include <memory>
#include <string>
#include "editor/edit_menu_file.h"
#include "settings/defaults.h"

namespace editor {

enum Side : int { kLeft = 0, kRight = 1 };
inline constexpr int kSideCount = 2;

struct MenuSideValues {
    int options = settings::kEditorDefaultMenuOptions;
    int width = 0;
    std::string path;  // full path; made relative only when written
    bool operator==(const MenuSideValues& other) const
    {
        return options == other.options && width == other.width && path == other.path;
    }
};

struct SectionValues {
    int flags = 0;
    std::string description;
    std::string normalIconFile;
    int normalIconNumber = settings::kDefaultIconNumber;
    std::string pressedIconFile;
    int pressedIconNumber = settings::kDefaultIconNumber;
    MenuSideValues menus[kSideCount];

    bool operator==(const SectionValues& other) const;
    bool operator!=(const SectionValues& other) const { return !(*this == other); }
};

class Section {
public:
    // id names the section for windows and changes, whatever its place or
    // description.
    Section(uint64_t id, SectionValues values);
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    uint64_t id() const { return id_; }
    const SectionValues& values() const { return values_; }
    // Replaces the values and marks the section modified.
    void set_values(SectionValues values);
    bool modified() const { return modified_; }
    void set_modified(bool modified) { modified_ = modified; }

    EditMenuFile* menu(Side side) const { return menus_[side].get(); }
    void set_menu(Side side, std::unique_ptr<EditMenuFile> menu) { menus_[side] = std::move(menu); }
    bool AnyMenuModified() const;
    // Its keys or either menu wait for Save all: what its window's title shows.
    bool Edited() const { return modified_ || AnyMenuModified(); }

private:
    uint64_t id_;
    SectionValues values_;
    bool modified_ = false;
    std::unique_ptr<EditMenuFile> menus_[kSideCount];
};

// The title of the section's window: its name, with " *" while it is edited.
std::string SectionTitle(const Section& section);

}  // namespace editor
