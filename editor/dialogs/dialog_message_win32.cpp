#include "editor/dialogs/dialog_message.h"

namespace editor {

namespace {

constexpr UINT kAppTitle = 57344;

}  // namespace

std::string LoadText(HINSTANCE instance, UINT id)
{
    char text[1024];
    int length = LoadStringA(instance, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

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
    std::string caption = LoadText(instance, kAppTitle);
    MessageBoxA(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace editor
