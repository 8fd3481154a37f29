#pragma once
// The help page of each of the editor's windows, named inside the help file:
// the help compiler at hand cannot map context numbers to pages.
#include <optional>
#include <string>
#include "editor/window_kind.h"

namespace editor {

// "page.html" or "page.html#part" for the active window's kind; the frame's
// page when no window is open.
std::string HelpTopicFor(std::optional<WindowKind> active);

}  // namespace editor
