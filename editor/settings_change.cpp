#include "editor/settings_change.h"

#include <utility>
#include "editor/settings_model.h"

namespace editor {

InsertSectionChange::InsertSectionChange(size_t position, std::unique_ptr<Section> section)
    : position_(position), sectionId_(section->id()), held_(std::move(section))
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
    sectionId_ = held_->id();
}

void RemoveSectionChange::Revert(SettingsModel& model)
{
    model.Insert(position_, std::move(held_));
}

void ChangeGroup::Apply(SettingsModel& model)
{
    for (auto& change : changes_)
        change->Apply(model);
}

void ChangeGroup::Revert(SettingsModel& model)
{
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
        (*change)->Revert(model);
}

SectionValuesChange::SectionValuesChange(const Section& section, SectionValues values)
    : sectionId_(section.id()), other_(std::move(values))
{
}

void SectionValuesChange::Apply(SettingsModel& model)
{
    Section& section = model.section(model.PositionOf(sectionId_));
    SectionValues previous = section.values();
    if (!namesIt_.has_value())
        namesIt_ = other_.description != previous.description;
    if (!*namesIt_)
        other_.description = previous.description;
    section.set_values(std::move(other_));
    other_ = std::move(previous);
}

SectionNameChange::SectionNameChange(const Section& section, std::string name)
    : sectionId_(section.id()), other_(std::move(name))
{
}

void SectionNameChange::Apply(SettingsModel& model)
{
    Section& section = model.section(model.PositionOf(sectionId_));
    SectionValues values = section.values();
    std::swap(values.description, other_);
    section.set_values(std::move(values));
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
