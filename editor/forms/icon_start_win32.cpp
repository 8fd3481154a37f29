#include "editor/forms/icon_start.h"

#include "menufile/special_folder.h"
#include "shellfiles/file_name.h"
#include "shellfiles/file_type.h"
#include "shellfiles/program_command.h"
#include "shiftjis/shift_jis.h"
#include "win32/shortcut_reader.h"

namespace editor {

namespace {

using shellfiles::IconLocation;

std::string Extension(const std::string& path)
{
    return shellfiles::SplitPath(path).extension;
}

void AddTypeIcons(const std::string& path, std::vector<IconLocation>& starts)
{
    std::string extension = Extension(path);
    shellfiles::FileType type;
    if (extension.size() < 2 || !shellfiles::LookUpFileType(extension.substr(1), type))
        return;
    if (type.iconNumber >= 0)
        starts.push_back({type.iconPath, type.iconNumber});
    if (!type.command.empty())
        starts.push_back({shellfiles::ProgramFromCommand(type.command), 0});
}

}  // namespace

std::vector<IconLocation> IconStarts(HWND owner, const menufile::MenuEntry& entry)
{
    if (!entry.iconPath.empty())
        return {{entry.iconPath, entry.iconNumber}};
    std::vector<IconLocation> starts;
    if (!entry.IsCommand() || entry.text1.empty() || menufile::SpecialFolderNumber(entry.text1) >= 0)
        return starts;
    std::string path = entry.text1;
    if (shiftjis::EqualIgnoringCase(Extension(path), ".lnk")) {
        win32::ShortcutReadResult link = win32::ReadShortcut(owner, path);
        if (!link.ok)
            return starts;
        if (!link.data.iconPath.empty())
            starts.push_back({link.data.iconPath, link.data.iconIndex});
        path = link.data.targetPath;
    }
    starts.push_back({path, 0});
    AddTypeIcons(path, starts);
    return starts;
}

}  // namespace editor
