#include "setup/sample_menus.h"

#include <windows.h>
#include <shlobj.h>
#include "menufile/special_folder_shell.h"
#include "menufile/title_colours.h"
#include "settings/keys.h"
#include "setup/desktop_items.h"
#include "setup/document_programs.h"
#include "setup/sample_items.h"
#include "shellfiles/file_type.h"
#include "shellfiles/icon_location.h"

namespace setup {

using menufile::MenuList;

namespace {

std::string UserName()
{
    char name[64];
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? name : "";
}

bool LookUpCommand(const std::string& type, std::string& command)
{
    shellfiles::FileType found;
    if (!shellfiles::LookUpFileType(type, found))
        return false;
    command = found.command;
    return true;
}

// The user's name in the system's title colours, the desktop, and the
// programs of the common document types.
void FillDesktopLeft(MenuList& menu)
{
    menufile::TitleColours colours{{1, COLOR_INFOBK}, {1, COLOR_BACKGROUND}};
    menu.entries.push_back(TitleItem(UserName(), menufile::FormatTitleColours(colours)));
    menu.entries.push_back(FolderItem(CSIDL_DESKTOP));
    menu.entries.push_back(SeparatorItem());
    for (const std::string& program : DocumentPrograms(LookUpCommand))
        menu.entries.push_back(CommandItem(program));
}

void FillDesktopRight(MenuList& menu, const std::string& poolPath)
{
    for (const std::string& text : DesktopEntryTexts(poolPath))
        menu.entries.push_back(CommandItem(shellfiles::SplitIconLocation(text).path));
}

void FillPrograms(MenuList& menu)
{
    menu.entries.push_back(FolderItem(menufile::SpecialFolderExists(CSIDL_COMMON_STARTMENU) ? CSIDL_COMMON_STARTMENU
                                                                                  : CSIDL_STARTMENU));
    menu.entries.push_back(
        FolderItem(menufile::SpecialFolderExists(CSIDL_COMMON_PROGRAMS) ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS, 9));
}

void FillDocuments(MenuList& menu)
{
    menu.entries.push_back(FolderItem(CSIDL_RECENT));
    menu.entries.push_back(SeparatorItem());
    menu.entries.push_back(FolderItem(CSIDL_PERSONAL));
    menu.entries.push_back(SeparatorItem());
    menu.entries.push_back(FolderItem(CSIDL_FAVORITES));
}

}  // namespace

std::string SampleMenuName(int section, bool right)
{
    return settings::SectionName(section) + (right ? "_r.txt" : "_l.txt");
}

std::unique_ptr<MenuList> BuildSampleMenu(int section, bool right, const std::string& poolPath)
{
    auto menu = std::make_unique<MenuList>();
    switch (section * 2 + (right ? 1 : 0)) {
    case 2: FillDesktopLeft(*menu); break;
    case 3: FillDesktopRight(*menu, poolPath); break;
    case 4: FillPrograms(*menu); break;
    case 5: FillDocuments(*menu); break;
    case 6:
        menu->entries.push_back(FolderItem(CSIDL_DRIVES));
        menu->entries.push_back(FolderItem(CSIDL_NETWORK));
        break;
    case 7:
        menu->entries.push_back(FolderItem(CSIDL_CONTROLS));
        menu->entries.push_back(FolderItem(CSIDL_PRINTERS));
        break;
    }
    return menu;
}

}  // namespace setup
