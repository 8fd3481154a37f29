#include "editor/help_topics.h"

namespace editor {

std::string HelpTopicFor(std::optional<WindowKind> active)
{
    if (active == WindowKind::Section)
        return "editor_section.html";
    if (active == WindowKind::Templates)
        return "editor_section.html#services";
    if (active == WindowKind::Options)
        return "settings.html#main";
    return "editor.html";
}

}  // namespace editor
