#include "editor/section/entry_text.h"

#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"
#include "shellfiles/display_name.h"

namespace editor {

std::string EntryDisplayText(HINSTANCE instance, const menufile::MenuEntry& entry)
{
    if (!entry.IsCommand())
        return entry.text1;
    if (!entry.text2.empty())
        return entry.text2;
    std::string text = shellfiles::ShellDisplayName(entry.text1);
    if (!text.empty())
        return text;
    return LoadText(instance, IDS_FILE_NOT_FOUND);
}

}  // namespace editor
