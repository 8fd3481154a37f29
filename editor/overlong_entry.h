#pragma once
// The resident reads a menu line of more than 511 bytes in pieces, each
// piece as a statement of its own: such a line would come back as other
// entries or as an error. The editor never writes one.
#include <cstddef>
#include "menufile/menu_model.h"
#include "menufile/menu_writer.h"

namespace editor {

constexpr size_t kLongestMenuLine = 511;

// The first entry, in file order, whose line as the writer writes it
// (indentation included) is longer than kLongestMenuLine bytes; nullptr
// when every line fits. A group is judged by its POPUP line.
const menufile::MenuEntry* FindOverlongEntry(const menufile::MenuList& root, const menufile::MenuWriter& writer);

}  // namespace editor
