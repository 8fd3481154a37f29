#include "editor/dialogs/dialog_message.h"

#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

std::string InsertArgument(const std::string& format, const std::string& argument)
{
    std::string text = format;
    size_t insert = text.find("%1");
    if (insert != std::string::npos)
        text.replace(insert, 2, argument);
    return text;
}

void ShowExclamation(HWND owner, HINSTANCE instance, UINT id, const std::string& argument)
{
    std::string text = InsertArgument(LoadText(instance, id), argument);
    std::string caption = LoadText(instance, IDS_APP_TITLE);
    MessageBoxA(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace editor
