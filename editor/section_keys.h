#pragma once
// The keys of one [SectionN] as the editor reads and writes them.
#include <cstdint>
#include <string>
#include "editor/profile_store.h"
#include "editor/section.h"

namespace editor {

// With the editor's defaults; menu paths resolved against the pool path. An
// empty Desc stays empty here (the loader names it).
SectionValues ReadSectionValues(const ProfileStore& store, int number, const std::string& poolPath);

// Writes the keys in the editor's order, each only where the file (read with
// the resident's defaults) holds another value; menu paths relative to the
// pool path. A side marked in keepMenuPath keeps its MenuPath key as the
// file has it. False when a write failed.
bool WriteSectionValues(ProfileStore& store, int number, const SectionValues& values,
                        const std::string& poolPath, const bool keepMenuPath[kSideCount]);

}  // namespace editor
