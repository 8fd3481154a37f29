#pragma once
// Writing one sample menu file into the pool folder.
#include <string>
#include "menufile/menu_model.h"

namespace setup {

// Writes root as the menu file poolPath + fileName (references expanded);
// an existing file of that name becomes its ".bak", replacing an older one.
// A file that cannot be created ends the program after its box; a write
// error is shown and the file abandoned.
void WriteSampleMenuFile(const std::string& poolPath, const std::string& fileName,
                         const menufile::MenuList& root);

}  // namespace setup
