#pragma once
// The pictures of one owner-drawn menu: icons it owns and indexes into a
// system image list. Entries are never shared between menus.
#include <windows.h>
#include <commctrl.h>
#include <vector>
#include "win32/unique_handle.h"

namespace resident {

class MenuIconStore {
public:
    explicit MenuIconStore(HIMAGELIST imageList) : imageList_(imageList) {}

    // Each returns the entry number, or -1 when there is nothing to keep.
    int AddIcon(win32::UniqueIcon icon);
    int AddIndex(int imageListIndex);

    void Draw(int entry, HDC dc, int x, int y) const;
    size_t size() const { return entries_.size(); }
    bool IsIcon(int entry) const { return entries_.at(entry).icon.get() != nullptr; }
    int IndexOf(int entry) const { return entries_.at(entry).index; }

private:
    struct Entry {
        win32::UniqueIcon icon;
        int index = -1;
    };
    HIMAGELIST imageList_;
    std::vector<Entry> entries_;
};

}  // namespace resident
