#include "editor/services/service_objects.h"

#include <shlobj.h>
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"

namespace editor {

namespace {

std::vector<ServiceObject> ReadSystemFolders(const ReadProgress& progress)
{
    std::vector<ServiceObject> objects;
    constexpr int kCount = menufile::kLastSpecialFolder + 1;
    for (int csidl = 0; csidl < kCount; ++csidl) {
        if (progress)
            progress(csidl * 100 / kCount);
        if (win32::UniqueItemIdList list = menufile::SpecialFolderIdList(csidl))
            objects.push_back({shellfiles::DescribeShellItem(std::move(list)), csidl});
    }
    if (progress)
        progress(100);
    return objects;
}

}  // namespace

int CategoryFolder(int category)
{
    switch (category) {
    case kDesktopCategory:
        return CSIDL_DESKTOP;
    case kDrivesCategory:
        return CSIDL_DRIVES;
    case kProgramsCategory:
        return CSIDL_PROGRAMS;
    case kFavouritesCategory:
        return CSIDL_FAVORITES;
    case kControlPanelCategory:
        return CSIDL_CONTROLS;
    }
    return -1;
}

std::vector<ServiceObject> ReadCategory(int category, const ReadProgress& progress)
{
    if (category == kSystemFoldersCategory)
        return ReadSystemFolders(progress);
    std::vector<ServiceObject> objects;
    win32::UniqueItemIdList folder = menufile::SpecialFolderIdList(CategoryFolder(category));
    if (!folder)
        return objects;
    for (shellfiles::ShellFolderItem& item : shellfiles::ReadShellFolder(folder.get()))
        objects.push_back({std::move(item), -1});
    return objects;
}

}  // namespace editor
