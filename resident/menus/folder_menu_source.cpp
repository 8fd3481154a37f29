#include "resident/menus/folder_menu_source.h"

namespace resident {

namespace {
FolderMenuSource* folderMenuSource = nullptr;
}

FolderMenuSource* TheFolderMenuSource()
{
    return folderMenuSource;
}

void SetFolderMenuSource(FolderMenuSource* source)
{
    folderMenuSource = source;
}

}  // namespace resident
