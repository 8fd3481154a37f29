#include "resident/menus/menu_icon_store.h"

namespace resident {

int MenuIconStore::AddIcon(win32::UniqueIcon icon)
{
    if (!icon)
        return -1;
    entries_.push_back(Entry{std::move(icon), -1, {}});
    return static_cast<int>(entries_.size() - 1);
}

int MenuIconStore::AddIndex(int imageListIndex)
{
    if (imageListIndex < 0)
        return -1;
    entries_.push_back(Entry{win32::UniqueIcon(), imageListIndex, {}});
    return static_cast<int>(entries_.size() - 1);
}

int MenuIconStore::AddDeferredIndex(const DeferredIndex& deferred)
{
    if (!deferred.source)
        return -1;
    entries_.push_back(Entry{win32::UniqueIcon(), -1, deferred});
    return static_cast<int>(entries_.size() - 1);
}

void MenuIconStore::Draw(int entry, HDC dc, int x, int y)
{
    if (entry < 0 || static_cast<size_t>(entry) >= entries_.size())
        return;
    Entry& e = entries_[entry];
    if (e.deferred.source) {
        // Asked once, whatever the answer.
        e.index = e.deferred.source->IconIndexOf(e.deferred.key);
        e.deferred.source = nullptr;
    }
    if (e.icon)
        DrawIconEx(dc, x, y, e.icon.get(), 0, 0, 0, nullptr, DI_NORMAL);
    else if (imageList_ && e.index >= 0)
        ImageList_Draw(imageList_, e.index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace resident
