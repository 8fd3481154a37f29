#pragma once
// The resident reads a menu line of more than 511 bytes in pieces, each
// piece as a statement of its own: such a line would come back as other
// entries or as an error. The editor never writes one.
#include <cstddef>
#include <functional>
#include <string>
#include "menufile/menu_model.h"

namespace editor {

constexpr size_t kLongestMenuLine = 511;

// The name the writer gives a command item without a description.
using DisplayNameOf = std::function<std::string(const menufile::MenuEntry&)>;

// The first entry, in file order, whose line as the writer writes it
// (indentation included) is longer than kLongestMenuLine bytes; nullptr
// when every line fits. A group is judged by its POPUP line.
const menufile::MenuEntry* FindOverlongEntry(const menufile::MenuList& root, const DisplayNameOf& displayName);

}  // namespace editor
