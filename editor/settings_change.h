#pragma once
// Every change of the settings model is one of these small reversible
// steps, so that a history can take it back and do it again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "editor/section.h"

namespace editor {

class SettingsModel;

class SettingsChange {
public:
    virtual ~SettingsChange() = default;
    virtual void Apply(SettingsModel& model) = 0;
    virtual void Revert(SettingsModel& model) = 0;
    // The section the change is about, for showing it after an undo or a
    // redo; 0 for none.
    virtual uint64_t sectionId() const { return 0; }
};

// Changes that form one step: applied in order, reverted in reverse.
class ChangeGroup : public SettingsChange {
public:
    void Add(std::unique_ptr<SettingsChange> change) { changes_.push_back(std::move(change)); }
    bool empty() const { return changes_.empty(); }
    const std::vector<std::unique_ptr<SettingsChange>>& changes() const { return changes_; }
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override;

private:
    std::vector<std::unique_ptr<SettingsChange>> changes_;
};

// A section put in at a place; held by the change while it is reverted.
class InsertSectionChange : public SettingsChange {
public:
    InsertSectionChange(size_t position, std::unique_ptr<Section> section);
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override;
    uint64_t sectionId() const override { return sectionId_; }

private:
    size_t position_;
    uint64_t sectionId_;
    std::unique_ptr<Section> held_;
};

// A section taken out (with its menus); the later ones move up a number.
class RemoveSectionChange : public SettingsChange {
public:
    explicit RemoveSectionChange(size_t position) : position_(position) {}
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override;
    uint64_t sectionId() const override { return sectionId_; }

private:
    size_t position_;
    uint64_t sectionId_ = 0;
    std::unique_ptr<Section> held_;
};

// New values for a section's keys (the option forms). Both ways mark the
// section modified: what the file holds is decided at the save. The section
// is found by its id: the frame may have moved it meanwhile. A change that
// leaves the name alone never puts an old name back: the frame's rename is
// undone in a history of its own.
class SectionValuesChange : public SettingsChange {
public:
    SectionValuesChange(const Section& section, SectionValues values);
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override { Apply(model); }
    uint64_t sectionId() const override { return sectionId_; }

private:
    uint64_t sectionId_;
    SectionValues other_;  // the values to put in next
    std::optional<bool> namesIt_;  // known at the first Apply
};

// A section's new name: only Desc, so that undoing a rename in the frame
// never takes back an option the section's window changed since.
class SectionNameChange : public SettingsChange {
public:
    SectionNameChange(const Section& section, std::string name);
    void Apply(SettingsModel& model) override;
    void Revert(SettingsModel& model) override { Apply(model); }
    uint64_t sectionId() const override { return sectionId_; }

private:
    uint64_t sectionId_;
    std::string other_;  // the name to put in next
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
