#pragma once
// What the menu and tray option forms show of a section, and what they
// write back: the form's state holds only what it can show, so a commit
// rebuilds the words from it.
#include <string>
#include "editor/section.h"

namespace editor {

constexpr int kNarrowestWidth = 3;
constexpr int kWidestWidth = 14;

struct MenuOptionState {
    bool showText = false;
    bool showIcons = false;
    bool large = false;
    bool automatic = true;  // width 0
    int position = kNarrowestWidth;  // of the track bar
};

// The track bar clamps a width outside its range; 0 (automatic) shows 3.
MenuOptionState MenuOptionStateOf(const MenuSideValues& menu);
// The options word and width the state stands for: no other bit survives.
int OptionsWord(const MenuOptionState& state);
int WidthOf(const MenuOptionState& state);
// Texts or icons must stay on.
bool ShowsSomething(const MenuOptionState& state);

// "すべてのメニューを同じに設定": both sides of every section take these.
SectionValues WithBothMenus(SectionValues values, int options, int width);

struct TrayState {
    bool calendar = false;  // Flags bit 0
    bool upIsDown = false;  // Flags bit 1
    std::string normalFile, pressedFile;
    int normalNumber = -1, pressedNumber = -1;
};

TrayState TrayStateOf(const SectionValues& values);
// Flags 3 with the calendar, 2 with Up=Down, else 0; the icons the flags
// leave unused are cleared.
SectionValues WithTrayState(SectionValues values, const TrayState& state);
// Whether the tray keys differ (files compared without regard to case).
bool TrayChanged(const SectionValues& a, const SectionValues& b);

}  // namespace editor
