#pragma once
// The four kinds of entry that the sample menus are made of.
#include <string>
#include "menufile/menu_model.h"

namespace setup {

menufile::MenuEntry TitleItem(const std::string& description, const std::string& parameters);
// A SHOWFOLDER item for the special folder with CSIDL value csidl ("&#N"),
// with a folder option number when option is not 0.
menufile::MenuEntry FolderItem(int csidl, int option = 0);
// A command item with a path and nothing else: the writer names it.
menufile::MenuEntry CommandItem(const std::string& path);
menufile::MenuEntry SeparatorItem();

}  // namespace setup
