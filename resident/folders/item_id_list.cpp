#include "resident/folders/item_id_list.h"

#include <cstring>

namespace resident {

size_t ItemIdListSize(LPCITEMIDLIST list)
{
    if (!list)
        return 0;
    size_t size = 0;
    const BYTE* item = reinterpret_cast<const BYTE*>(list);
    USHORT cb;
    while ((memcpy(&cb, item + size, sizeof cb), cb) != 0)
        size += cb;
    return size + sizeof(USHORT);
}

bool IsEmptyItemIdList(LPCITEMIDLIST list)
{
    return !list || list->mkid.cb == 0;
}

win32::UniqueItemIdList CopyItemIdList(LPCITEMIDLIST list)
{
    return JoinItemIdLists(list, nullptr);
}

win32::UniqueItemIdList JoinItemIdLists(LPCITEMIDLIST first, LPCITEMIDLIST second)
{
    size_t firstSize = first ? ItemIdListSize(first) - sizeof(USHORT) : 0;
    size_t secondSize = second ? ItemIdListSize(second) - sizeof(USHORT) : 0;
    auto* joined = static_cast<BYTE*>(CoTaskMemAlloc(firstSize + secondSize + sizeof(USHORT)));
    if (!joined)
        return {};
    if (firstSize)
        memcpy(joined, first, firstSize);
    if (secondSize)
        memcpy(joined + firstSize, second, secondSize);
    memset(joined + firstSize + secondSize, 0, sizeof(USHORT));
    return win32::UniqueItemIdList(reinterpret_cast<LPITEMIDLIST>(joined));
}

}  // namespace resident
