#pragma once
// Every change of the settings model is one of these small reversible
// steps, so that a history can take it back and do it again.
#include <cstddef>
#include <memory>
#include "editor/section.h"

namespace editor {

class SettingsModel;

class SettingsChange {
public:
    virtual ~SettingsChange() = default;
    virtual void Apply(SettingsModel& model) = 0;
    virtual void Revert(SettingsModel& model) = 0;
};

// A section put in at a place; held by the change while it is reverted.
class InsertSectionChange : public SettingsChange {
public:
    InsertSectionChange(size_t position, std::unique_ptr<Section> section);
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override;

private:
    size_t position_;
    std::unique_ptr<Section> held_;
};

// A section taken out (with its menus); the later ones move up a number.
class RemoveSectionChange : public SettingsChange {
public:
    explicit RemoveSectionChange(size_t position) : position_(position) {}
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override;

private:
    size_t position_;
    std::unique_ptr<Section> held_;
};

// New values for a section's keys (a rename, the option forms). Both ways
// mark the section modified: what the file holds is decided at the save.
class SectionValuesChange : public SettingsChange {
public:
    SectionValuesChange(size_t position, SectionValues values);
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override { Apply(model); }

private:
    size_t position_;
    SectionValues other_;  // the values to put in next
};

// Two neighbouring sections exchange their places (Up, Down).
class SwapSectionsChange : public SettingsChange {
public:
    SwapSectionsChange(size_t a, size_t b) : a_(a), b_(b) {}
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override { Apply(model); }

private:
    size_t a_, b_;
};

class MenuAutoHideChange : public SettingsChange {
public:
    explicit MenuAutoHideChange(int milliseconds) : other_(milliseconds) {}
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override { Apply(model); }

private:
    int other_;
};

}  // namespace editor
