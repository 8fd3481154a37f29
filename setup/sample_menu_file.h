#pragma once
// Writing one sample menu file into the pool folder.
#include <string>
#include "menufile/menu_model.h"

namespace setup {

// Writes root as the menu file poolPath + fileName (references expanded),
// keeping the earlier versions of that file as its backups. A file that
// cannot be saved whole is left as it was: its file error is shown and the
// program ends, so that the installation is not stamped as done.
void WriteSampleMenuFile(const std::string& poolPath, const std::string& fileName,
                         const menufile::MenuList& root);

}  // namespace setup
