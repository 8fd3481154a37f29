#pragma once
// Filters of the standard file dialogs as the string table keeps them:
// "name|pattern|name|pattern||".
#include <string>

namespace editor {

// Each single-byte "|" becomes a NUL; a "|" that is the trail byte of a
// double-byte character stays. The result ends in two NULs whatever the text.
std::string FileDialogFilter(const std::string& text);

}  // namespace editor
