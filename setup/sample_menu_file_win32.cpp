#include "setup/sample_menu_file.h"

#include <windows.h>
#include "menufile/menu_file_saver.h"
#include "resources/setup/resource_ids.h"
#include "setup/file_failure.h"
#include "shellfiles/display_name.h"
#include "shellfiles/file_path.h"

namespace setup {

namespace {

std::string LoadText(HINSTANCE instance, UINT id)
{
    char text[256];
    int length = LoadStringA(instance, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// Earlier versions are kept in generations, so that running the setup again
// never drops the user's own file for a sample written in an earlier run.
menufile::MenuFileSaver SampleSaver()
{
    menufile::SaverArgs args;
    args.instance = GetModuleHandleA(nullptr);
    args.headerId = IDR_MENU_HEADER;
    args.fallbackDisplayText = LoadText(args.instance, IDS_FILE_NOT_FOUND);
    args.displayName = [](const menufile::MenuEntry& entry) { return shellfiles::ShellDisplayName(entry.text1); };
    args.backup = menufile::Backup::Generations;
    return menufile::MenuFileSaver(std::move(args));
}

}  // namespace

void WriteSampleMenuFile(const std::string& poolPath, const std::string& fileName,
                         const menufile::MenuList& root)
{
    shellfiles::FilePath path(poolPath + fileName);
    DWORD error = SampleSaver().Save(path.str(), root);
    if (error != NO_ERROR)
        FailOnFile(error, path.str());
}

}  // namespace setup
