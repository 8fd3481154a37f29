#include "menufile/title_colours.h"

#include <windows.h>

namespace menufile {

uint32_t ColourValue(const TitleColour& colour)
{
    return colour.system ? GetSysColor(static_cast<int>(colour.value)) : colour.value;
}

}  // namespace menufile
