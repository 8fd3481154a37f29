#include "setup/sample_items.h"

#include "menufile/special_folder.h"

namespace setup {

using menufile::MenuEntry;

MenuEntry TitleItem(const std::string& description, const std::string& parameters)
{
    MenuEntry entry;
    entry.flags = menufile::ITEM_STATIC;
    entry.text1 = description;
    entry.parameters = parameters;
    return entry;
}

MenuEntry FolderItem(int csidl, int option)
{
    MenuEntry entry = CommandItem(menufile::SpecialFolderPath(csidl));
    entry.flags = menufile::ITEM_SHOWFOLDER |
                  ((static_cast<uint32_t>(option) << menufile::kFolderOptionShift) & menufile::ITEM_FOLDER_OPTION_MASK);
    return entry;
}

MenuEntry CommandItem(const std::string& path)
{
    MenuEntry entry;
    entry.text1 = path;
    return entry;
}

MenuEntry SeparatorItem()
{
    MenuEntry entry;
    entry.flags = menufile::ITEM_SEPARATOR;
    return entry;
}

}  // namespace setup
