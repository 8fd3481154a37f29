#pragma once
// The entries of the desktop's sample menu.
#include <string>
#include <vector>

namespace setup {

// One entry text per desktop item that a menu can start, in the shell's
// order: a file system item by its path, a special folder as "&#N|1" ("&#1"
// for the Internet; the recycle bin and the drives are left out), any other
// linkable item by a shortcut made for it in the pool folder. COM must be
// initialised.
std::vector<std::string> DesktopEntryTexts(const std::string& poolPath);

}  // namespace setup
