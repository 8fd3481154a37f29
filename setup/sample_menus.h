#pragma once
// The six sample menu files of a fresh installation, two per tray section.
#include <memory>
#include <string>
#include "menufile/menu_model.h"

namespace setup {

// "Section1_l.txt" and the like: the bare name stored in the settings.
std::string SampleMenuName(int section, bool right);

// The menu of one side of sections 1 to 3 as it is on this machine.
// poolPath is the stored pool path (desktop items may become shortcuts there).
std::unique_ptr<menufile::MenuList> BuildSampleMenu(int section, bool right, const std::string& poolPath);

}  // namespace setup
