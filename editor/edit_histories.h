#pragma once
// Each section's window undoes its own changes, the frame those of the
// management tree: one history for the frame and one for each section, kept
// by the section's id for the whole session (a section deleted and brought
// back by undo finds its history again).
#include <cstdint>
#include <map>
#include "editor/change_history.h"

namespace editor {

class EditHistories {
public:
    ChangeHistory& frame() noexcept { return frame_; }
    ChangeHistory& ofSection(uint64_t sectionId) { return sections_[sectionId]; }

private:
    ChangeHistory frame_;
    std::map<uint64_t, ChangeHistory> sections_;
};

}  // namespace editor
