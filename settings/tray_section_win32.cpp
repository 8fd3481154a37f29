#include "settings/tray_section.h"

#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/paths.h"

namespace settings {

TraySection ReadTraySection(const IniFile& file, int number, const std::string& poolPath)
{
    const std::string name = SectionName(number);
    const char* section = name.c_str();
    TraySection values;
    values.flags = file.ReadInt(section, kFlags, 0);
    values.description = file.ReadText(section, kDesc);
    values.pressedIconFile = file.ReadText(section, kIconDown);
    values.normalIconFile = file.ReadText(section, kIconUp);
    values.pressedIconNumber = file.ReadInt(section, kIconNoDown, kDefaultIconNumber);
    values.normalIconNumber = file.ReadInt(section, kIconNoUp, kDefaultIconNumber);
    values.left.path = ResolveMenuPath(poolPath, file.ReadText(section, kMenuPathLeft));
    values.right.path = ResolveMenuPath(poolPath, file.ReadText(section, kMenuPathRight));
    values.left.width = file.ReadInt(section, kMenuWidthLeft, 0);
    values.right.width = file.ReadInt(section, kMenuWidthRight, 0);
    values.left.options = file.ReadInt(section, kOptLeft, 0);
    values.right.options = file.ReadInt(section, kOptRight, 0);
    return values;
}

}  // namespace settings
