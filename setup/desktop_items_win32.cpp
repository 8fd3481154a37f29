#include "setup/desktop_items.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"
#include "shellfiles/file_path.h"
#include "shellfiles/shell_folder_items.h"
#include "shellfiles/shortcut.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace setup {

namespace {

std::string EntryText(IShellFolder* desktop, menufile::SpecialFolderMatcher& special,
                      const shellfiles::ShellFolderItem& item, const std::string& poolPath)
{
    if (item.attributes & SFGAO_FILESYSTEM) {
        char path[MAX_PATH];
        return SHGetPathFromIDListA(item.idList.get(), path) ? path : "";
    }
    int csidl = special.Find(desktop, item.idList.get());
    if (csidl == menufile::kRecycleBin || csidl == menufile::kDrivesFolder)
        return {};
    if (csidl >= 0)
        return menufile::SpecialFolderEntryText(csidl);
    if (!(item.attributes & SFGAO_CANLINK))
        return {};
    std::string shortcut = shellfiles::FilePath(poolPath).str() + item.displayName + ".lnk";
    return shellfiles::CreateShortcut(shortcut, item.idList.get()) ? shortcut : "";
}

}  // namespace

std::vector<std::string> DesktopEntryTexts(const std::string& poolPath)
{
    std::vector<std::string> texts;
    win32::UniqueItemIdList desktopId = menufile::SpecialFolderIdList(menufile::kDesktopFolder);
    win32::ComPtr<IShellFolder> desktop;
    if (!desktopId || FAILED(SHGetDesktopFolder(desktop.put())))
        return texts;
    menufile::SpecialFolderMatcher special;
    for (const shellfiles::ShellFolderItem& item : shellfiles::ReadShellFolder(desktopId.get())) {
        std::string text = EntryText(desktop.get(), special, item, poolPath);
        if (!text.empty())
            texts.push_back(text);
    }
    return texts;
}

}  // namespace setup
