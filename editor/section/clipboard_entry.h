#pragma once
// A menu entry on the clipboard: "@vq/" and the entry's lines as a menu file
// holds them, a group with everything under it. What is read back is
// untrusted: only within the bytes given, through the menu-file reader with
// no report, and only exactly one well-formed entry is taken.
#include <cstddef>
#include <optional>
#include <string>
#include "menufile/menu_model.h"

namespace editor {

inline constexpr char kClipboardPrefix[] = "@vq/";

std::string ClipboardText(const menufile::MenuEntry& entry);
// The text starts with the prefix (in any case) and goes on after it: paste
// is offered.
bool HoldsClipboardEntry(const char* data, size_t size);
// The one entry of a clipboard text; nothing for anything else.
std::optional<menufile::MenuEntry> ParseClipboardEntry(const char* data, size_t size);

}  // namespace editor
