#include "editor/menu_file_writers.h"

#include "editor/command_text.h"
#include "editor/overlong_entry.h"
#include "editor/section/entry_text.h"
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
    : instance_(instance), reports_(reports), saver_(EditorSaverArgs(instance, backup))
{
}

bool SessionMenuWriter::Write(const std::string& path, const menufile::MenuList& root)
{
    const std::string fallback = LoadText(instance(), IDS_FILE_NOT_FOUND);
    auto displayName = [&fallback](const menufile::MenuEntry& entry) {
        std::string name = shellfiles::ShellDisplayName(entry.text1);
        return name.empty() ? fallback : name;
    };
    if (const menufile::MenuEntry* entry = FindOverlongEntry(root, displayName)) {
        reports().ShowOverlongEntry(path, EntryDisplayText(instance(), *entry));
        return false;
    }
    return SaverMenuWriter::Write(path, root);
}

bool SaverMenuWriter::Write(const std::string& path, const menufile::MenuList& root)
{
    DWORD error = saver_.Save(path, root);
    if (error != NO_ERROR)
        reports_.ShowFileError(path, error);
    return error == NO_ERROR;
}

}  // namespace editor
