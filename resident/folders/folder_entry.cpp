#include "resident/folders/folder_entry.h"

#include <shellapi.h>
#include "resident/folders/item_id_list.h"

namespace resident {

LPCITEMIDLIST AbsoluteOf(FolderEntry& entry)
{
    if (!entry.absolute && entry.relative)
        entry.absolute = JoinItemIdLists(entry.parentList, entry.relative.get());
    return entry.absolute.get();
}

int LookUpIconIndex(FolderEntry& entry)
{
    // Through the parent: a fraction of what the absolute list costs.
    if (entry.parent && entry.relative) {
        int index = SHMapPIDLToSystemImageListIndex(entry.parent.get(), entry.relative.get(), nullptr);
        if (index >= 0)
            return index;
    }
    LPCITEMIDLIST absolute = AbsoluteOf(entry);
    SHFILEINFOA info = {};
    if (!absolute ||
        !SHGetFileInfoA(reinterpret_cast<const char*>(absolute), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_PIDL))
        return -1;
    return info.iIcon;
}

}  // namespace resident
