#include "editor/forms/option_states.h"

#include <algorithm>
#include "settings/keys.h"
#include "shiftjis/shift_jis.h"

namespace editor {

MenuOptionState MenuOptionStateOf(const MenuSideValues& menu)
{
    MenuOptionState state;
    state.showText = (menu.options & settings::OPT_TEXTS) != 0;
    state.showIcons = (menu.options & settings::OPT_ICONS) != 0;
    state.large = (menu.options & settings::OPT_LARGE_ICONS) != 0;
    state.automatic = menu.width == 0;
    state.position = std::clamp(menu.width, kNarrowestWidth, kWidestWidth);
    return state;
}

int OptionsWord(const MenuOptionState& state)
{
    return (state.showText ? settings::OPT_TEXTS : 0) | (state.showIcons ? settings::OPT_ICONS : 0) |
           (state.large ? settings::OPT_LARGE_ICONS : 0);
}

int WidthOf(const MenuOptionState& state)
{
    return state.automatic ? 0 : state.position;
}

bool ShowsSomething(const MenuOptionState& state)
{
    return state.showText || state.showIcons;
}

SectionValues WithBothMenus(SectionValues values, int options, int width)
{
    for (MenuSideValues& menu : values.menus) {
        menu.options = options;
        menu.width = width;
    }
    return values;
}

TrayState TrayStateOf(const SectionValues& values)
{
    TrayState state;
    state.calendar = (values.flags & 1) != 0;
    state.upIsDown = (values.flags & 2) != 0;
    if (!state.calendar) {
        state.normalFile = values.normalIconFile;
        state.normalNumber = values.normalIconNumber;
        state.pressedFile = values.pressedIconFile;
        state.pressedNumber = values.pressedIconNumber;
    }
    return state;
}

SectionValues WithTrayState(SectionValues values, const TrayState& state)
{
    values.flags = state.calendar ? 3 : state.upIsDown ? 2 : 0;
    values.normalIconFile = state.calendar ? "" : state.normalFile;
    values.normalIconNumber = state.calendar ? -1 : state.normalNumber;
    bool pressed = values.flags == 0;
    values.pressedIconFile = pressed ? state.pressedFile : "";
    values.pressedIconNumber = pressed ? state.pressedNumber : -1;
    return values;
}

bool TrayChanged(const SectionValues& a, const SectionValues& b)
{
    return a.flags != b.flags || !shiftjis::EqualIgnoringCase(a.normalIconFile, b.normalIconFile) ||
           a.normalIconNumber != b.normalIconNumber ||
           !shiftjis::EqualIgnoringCase(a.pressedIconFile, b.pressedIconFile) ||
           a.pressedIconNumber != b.pressedIconNumber;
}

}  // namespace editor
