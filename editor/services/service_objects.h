#pragma once
// What the services browser offers: the root and six categories, and the
// shell objects of each, read from the shell on demand.
#include <functional>
#include <string>
#include <vector>
#include "shellfiles/shell_folder_items.h"

namespace editor {

enum ServiceCategory : int {
    kServicesRoot = -1,
    kDesktopCategory = 1,
    kDrivesCategory,
    kProgramsCategory,
    kFavouritesCategory,
    kControlPanelCategory,
    kSystemFoldersCategory,
};

// One row of the browser's list: the shell's description of the object and,
// for the system folders, the CSIDL value it stands for (-1 elsewhere).
struct ServiceObject {
    shellfiles::ShellFolderItem item;
    int csidl = -1;
};

// The special folder of categories 1 to 5; -1 for the others.
int CategoryFolder(int category);

// Percentages of the system folders' reading, rising from 0 to 100.
using ReadProgress = std::function<void(int percent)>;

// The objects of a category in the shell's order (the system folders by
// increasing CSIDL value, those the machine lacks left out); none for the
// root or a folder that cannot be read. COM must be initialised.
std::vector<ServiceObject> ReadCategory(int category, const ReadProgress& progress = {});

}  // namespace editor
