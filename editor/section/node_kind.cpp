#include "editor/section/node_kind.h"

namespace editor {

NodeKind KindOf(const menufile::MenuEntry& entry)
{
    if (entry.flags & menufile::ITEM_POPUP)
        return kGroupNode;
    if (entry.flags & menufile::ITEM_STATIC)
        return kTitleNode;
    if (entry.flags & menufile::ITEM_SEPARATOR)
        return kSeparatorNode;
    return kCommandNode;
}

}  // namespace editor
