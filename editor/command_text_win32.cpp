#include "editor/command_text.h"

namespace editor {

std::string LoadText(HINSTANCE instance, UINT id)
{
    char text[1024];
    int length = LoadStringA(instance, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

std::string FormattedText(HINSTANCE instance, UINT id, const std::string& value)
{
    std::string text = LoadText(instance, id);
    size_t mark = text.find("%s");
    if (mark != std::string::npos)
        text.replace(mark, 2, value);
    return text;
}

// The line break is a single byte that no Shift-JIS trail byte can be.
std::string CommandPrompt(HINSTANCE instance, UINT id)
{
    std::string text = LoadText(instance, id);
    return text.substr(0, text.find('\n'));
}

std::string CommandTip(HINSTANCE instance, UINT id)
{
    std::string text = LoadText(instance, id);
    size_t split = text.find('\n');
    return split == std::string::npos ? std::string() : text.substr(split + 1);
}

}  // namespace editor
