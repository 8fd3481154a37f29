#include "editor/dialogs/colour_name.h"

#include <cstdio>
#include "editor/dialogs/colour_names.h"
#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

std::string ColourName(HINSTANCE instance, const menufile::TitleColour& colour)
{
    if (colour.system) {
        unsigned id = SystemColourNameId(colour.value);
        return id ? LoadText(instance, id) : std::string();
    }
    std::string format = LoadText(instance, IDS_RGB_NAME);
    char name[128];
    snprintf(name, sizeof name, format.c_str(), GetRValue(colour.value), GetGValue(colour.value),
             GetBValue(colour.value));
    return name;
}

}  // namespace editor
