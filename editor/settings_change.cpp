#include "editor/settings_change.h"

#include <utility>
#include "editor/settings_model.h"

namespace editor {

InsertSectionChange::InsertSectionChange(size_t position, std::unique_ptr<Section> section)
    : position_(position), held_(std::move(section))
{
}

void InsertSectionChange::Apply(SettingsModel& model)
{
    model.Insert(position_, std::move(held_));
}

void InsertSectionChange::Revert(SettingsModel& model)
{
    held_ = model.Remove(position_);
}

void RemoveSectionChange::Apply(SettingsModel& model)
{
    held_ = model.Remove(position_);
}

void RemoveSectionChange::Revert(SettingsModel& model)
{
    model.Insert(position_, std::move(held_));
}

SectionValuesChange::SectionValuesChange(size_t position, SectionValues values)
    : position_(position), other_(std::move(values))
{
}

void SectionValuesChange::Apply(SettingsModel& model)
{
    Section& section = model.section(position_);
    SectionValues previous = section.values();
    section.set_values(std::move(other_));
    other_ = std::move(previous);
}

void SwapSectionsChange::Apply(SettingsModel& model)
{
    model.Swap(a_, b_);
}

void MenuAutoHideChange::Apply(SettingsModel& model)
{
    int previous = model.menuAutoHide();
    model.set_menuAutoHide(other_);
    other_ = previous;
}

}  // namespace editor
