#pragma once

namespace editor {

// The kinds of window in the frame's MDI client, by the resource id of
// their menu and icon.
enum class WindowKind : int { Section = 129, Templates = 3144, Options = 5346 };

}  // namespace editor
