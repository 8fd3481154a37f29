#include "editor/menu_file_writers.h"

#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"
#include "shellfiles/display_name.h"

namespace editor {

namespace {

menufile::SaverArgs EditorSaverArgs(HINSTANCE instance, menufile::Backup backup)
{
    menufile::SaverArgs args;
    args.instance = instance;
    args.headerId = IDR_MENU_HEADER;
    args.fallbackDisplayText = LoadText(instance, IDS_FILE_NOT_FOUND);
    args.displayName = [](const menufile::MenuEntry& entry) { return shellfiles::ShellDisplayName(entry.text1); };
    args.backup = backup;
    return args;
}

}  // namespace

SaverMenuWriter::SaverMenuWriter(HINSTANCE instance, EditorMenuReports& reports, menufile::Backup backup)
    : reports_(reports), saver_(EditorSaverArgs(instance, backup))
{
}

bool SaverMenuWriter::Write(const std::string& path, const menufile::MenuList& root)
{
    DWORD error = saver_.Save(path, root);
    if (error != NO_ERROR)
        reports_.ShowFileError(path, error);
    return error == NO_ERROR;
}

}  // namespace editor
