#include "editor/section.h"

namespace editor {

bool SectionValues::operator==(const SectionValues& other) const
{
    return flags == other.flags && description == other.description &&
           normalIconFile == other.normalIconFile && normalIconNumber == other.normalIconNumber &&
           pressedIconFile == other.pressedIconFile && pressedIconNumber == other.pressedIconNumber &&
           menus[kLeft] == other.menus[kLeft] && menus[kRight] == other.menus[kRight];
}

Section::Section(uint64_t id, SectionValues values) : id_(id), values_(std::move(values)) {}

void Section::set_values(SectionValues values)
{
    values_ = std::move(values);
    modified_ = true;
}

bool Section::AnyMenuModified() const
{
    for (const auto& menu : menus_) {
        if (menu && menu->modified())
            return true;
    }
    return false;
}

std::string SectionTitle(const Section& section)
{
    return section.values().description + (section.Edited() ? " *" : "");
}

}  // namespace editor
