#pragma once
// The icon of a section as the tree and its window show it.
#include <windows.h>
#include <string>
#include "editor/section.h"
#include "win32/unique_handle.h"

namespace editor {

// The day-of-month face (icons 1001 to 1031) for a calendar section, else
// IconUp/IconNoUp, else the editor's icon 133; small or large.
win32::UniqueIcon SectionIcon(HINSTANCE instance, const SectionValues& values, bool small);

// Equal for two sections exactly when SectionIcon gives them the same face.
std::string SectionIconKey(const SectionValues& values);

}  // namespace editor
