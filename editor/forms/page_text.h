#pragma once
#include <string>

namespace editor {

// The text of an HTML page, its tags left out; paragraphs and headings end
// their lines.
std::string PageText(const std::string& html);

}  // namespace editor
