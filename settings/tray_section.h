#pragma once
// One [SectionN] as the resident reads it: the values of one tray icon,
// with the resident's defaults and the menu paths resolved against the
// pool path.
#include <string>
#include "settings/defaults.h"

namespace settings {

class IniFile;

struct MenuSide {
    std::string path;  // resolved; empty: no menu on this side
    int width = 0;     // text width in letters M; 0: automatic
    int options = 0;   // OPT_ bits
};

struct TraySection {
    int flags = 0;  // FLAG_ bits
    std::string description;
    std::string pressedIconFile;
    std::string normalIconFile;
    int pressedIconNumber = kDefaultIconNumber;
    int normalIconNumber = kDefaultIconNumber;
    MenuSide left;
    MenuSide right;
};

// Reads [Section<number>] key by key in the resident's order.
TraySection ReadTraySection(const IniFile& file, int number, const std::string& poolPath);

}  // namespace settings
