#pragma once
// The texts of a command in the string table: "prompt\ntip".
#include <windows.h>
#include <string>

namespace editor {

// The whole string of that id, empty when there is none.
std::string LoadText(HINSTANCE instance, UINT id);
// That string with its first "%s" replaced by value.
std::string FormattedText(HINSTANCE instance, UINT id, const std::string& value);
// The status prompt: the text before "\n".
std::string CommandPrompt(HINSTANCE instance, UINT id);
// The tool tip: the text after "\n" (empty when there is none).
std::string CommandTip(HINSTANCE instance, UINT id);

}  // namespace editor
