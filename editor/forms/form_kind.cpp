#include "editor/forms/form_kind.h"

namespace editor {

FormKind FormKindOf(NodeKind kind, bool shortcut)
{
    switch (kind) {
    case kTrayOptionsNode:
        return FormKind::TrayOptions;
    case kRightOptionsNode:
        return FormKind::RightMenuOptions;
    case kLeftOptionsNode:
        return FormKind::LeftMenuOptions;
    case kCommandNode:
        return shortcut ? FormKind::ShortcutItem : FormKind::FileItem;
    case kGroupNode:
        return FormKind::Group;
    case kSeparatorNode:
        return FormKind::Separator;
    case kTitleNode:
        return FormKind::Title;
    default:
        return FormKind::None;
    }
}

}  // namespace editor
