#include "editor/section/node_kind.h"
#include "editor/section/pane_choice.h"

namespace editor {

PaneClass PaneFor(uintptr_t showFormWord)
{
    switch (static_cast<int>(showFormWord & 0xFFFF)) {
    case kLeftRootNode:
    case kOptionsRootNode:
    case kRightRootNode:
        return PaneClass::List;
    case kTrayOptionsNode:
        return PaneClass::TrayOptions;
    case kRightOptionsNode:
        return PaneClass::RightMenuOptions;
    case kLeftOptionsNode:
        return PaneClass::LeftMenuOptions;
    case kCommandNode:
        return (showFormWord >> 16) != 0 ? PaneClass::ShortcutItem : PaneClass::FileItem;
    case kGroupNode:
        return PaneClass::Group;
    case kSeparatorNode:
        return PaneClass::Separator;
    case kTitleNode:
        return PaneClass::Title;
    default:
        return PaneClass::Unchanged;
    }
}

}  // namespace editor
