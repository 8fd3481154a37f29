#include "editor/settings_model.h"

#include <utility>
#include "shiftjis/shift_jis.h"

namespace editor {

size_t SettingsModel::PositionOf(uint64_t id) const
{
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i]->id() == id)
            return i;
    }
    return npos;
}

size_t SettingsModel::FindDescription(const std::string& text, size_t except) const
{
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (i != except && shiftjis::EqualIgnoringCase(sections_[i]->values().description, text))
            return i;
    }
    return npos;
}

void SettingsModel::Insert(size_t position, std::unique_ptr<Section> section)
{
    sections_.insert(sections_.begin() + static_cast<std::ptrdiff_t>(position), std::move(section));
}

std::unique_ptr<Section> SettingsModel::Remove(size_t position)
{
    std::unique_ptr<Section> removed = std::move(sections_[position]);
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(position));
    return removed;
}

void SettingsModel::Swap(size_t a, size_t b)
{
    std::swap(sections_[a], sections_[b]);
}

bool SettingsModel::FileHolds(size_t position) const
{
    return position < fileOrder_.size() && fileOrder_[position] == sections_[position]->id();
}

bool SettingsModel::SectionNeedsWriting(size_t position) const
{
    return sections_[position]->modified() || !FileHolds(position);
}

bool SettingsModel::AnythingModified() const
{
    if (TrayNoChanged() || MenuAutoHideChanged())
        return true;
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (SectionNeedsWriting(i) || sections_[i]->AnyMenuModified())
            return true;
    }
    return false;
}

void SettingsModel::MarkSectionWritten(size_t position)
{
    if (fileOrder_.size() <= position)
        fileOrder_.resize(position + 1, 0);
    fileOrder_[position] = sections_[position]->id();
    sections_[position]->set_modified(false);
}

void SettingsModel::MarkMainWritten()
{
    fileTrayNo_ = static_cast<int>(sections_.size());
    fileMenuAutoHide_ = menuAutoHide_;
}

void SettingsModel::SetFileMain(int trayNo, int menuAutoHide)
{
    fileTrayNo_ = trayNo;
    fileMenuAutoHide_ = menuAutoHide;
    menuAutoHide_ = menuAutoHide;
}

}  // namespace editor
