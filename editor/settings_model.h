#pragma once
// The editor's in-memory copy of Ombrix.ini: [Main] TrayNo and MenuAutoHide
// and the sections in [SectionN] order. It remembers which section the file
// holds under each number, so that a section that moved (a delete before it,
// up or down, an undo) is written in full under its new number.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "editor/section.h"

namespace editor {

class SettingsModel {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    const std::string& poolPath() const { return poolPath_; }
    void set_poolPath(std::string path) { poolPath_ = std::move(path); }
    int menuAutoHide() const { return menuAutoHide_; }
    void set_menuAutoHide(int milliseconds) { menuAutoHide_ = milliseconds; }

    size_t size() const { return sections_.size(); }
    Section& section(size_t position) const { return *sections_[position]; }
    // Place of the section with that id, or npos.
    size_t PositionOf(uint64_t id) const;
    // Place of a section whose description equals text (without regard to
    // case, double-byte aware), other than except; npos when none.
    size_t FindDescription(const std::string& text, size_t except = npos) const;

    uint64_t NewId() { return ++lastId_; }
    void Insert(size_t position, std::unique_ptr<Section> section);
    std::unique_ptr<Section> Remove(size_t position);
    void Swap(size_t a, size_t b);

    // Against the file as it was read or last saved.
    bool TrayNoChanged() const { return static_cast<int>(sections_.size()) != fileTrayNo_; }
    bool MenuAutoHideChanged() const { return menuAutoHide_ != fileMenuAutoHide_; }
    // The file holds this section's keys under its present number.
    bool FileHolds(size_t position) const;
    bool SectionNeedsWriting(size_t position) const;
    // Save all has anything to do.
    bool AnythingModified() const;

    // The file now holds this section's keys under its number / [Main] as
    // the model has it.
    void MarkSectionWritten(size_t position);
    void MarkMainWritten();
    // [Main] as read from the file.
    void SetFileMain(int trayNo, int menuAutoHide);

private:
    std::string poolPath_;
    int menuAutoHide_ = 0;
    int fileTrayNo_ = 0;
    int fileMenuAutoHide_ = 0;
    std::vector<std::unique_ptr<Section>> sections_;
    std::vector<uint64_t> fileOrder_;  // id of the section under number i + 1; 0: none
    uint64_t lastId_ = 0;
};

}  // namespace editor
