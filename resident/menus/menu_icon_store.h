#pragma once
// The pictures of one owner-drawn menu: icons it owns and indexes into a
// system image list. Entries are never shared between menus.
#include <windows.h>
#include <commctrl.h>
#include <cstdint>
#include <vector>
#include "win32/unique_handle.h"

namespace resident {

// Answers a system image list index for a key it handed out, or -1.
class IconIndexSource {
public:
    virtual int IconIndexOf(uintptr_t key) = 0;

protected:
    ~IconIndexSource() = default;
};

// An index asked for when its entry is first drawn: a folder of thousands
// of files then costs the shell a look-up per visible entry, not per file.
struct DeferredIndex {
    IconIndexSource* source = nullptr;
    uintptr_t key = 0;
};

class MenuIconStore {
public:
    explicit MenuIconStore(HIMAGELIST imageList) : imageList_(imageList) {}

    // Each returns the entry number, or -1 when there is nothing to keep.
    int AddIcon(win32::UniqueIcon icon);
    int AddIndex(int imageListIndex);
    // The source must outlive the store.
    int AddDeferredIndex(const DeferredIndex& deferred);

    // Looks a deferred index up on the first call and keeps it.
    void Draw(int entry, HDC dc, int x, int y);
    size_t size() const { return entries_.size(); }
    bool IsIcon(int entry) const { return entries_.at(entry).icon.get() != nullptr; }
    // -1 for a deferred index not drawn yet.
    int IndexOf(int entry) const { return entries_.at(entry).index; }

private:
    struct Entry {
        win32::UniqueIcon icon;
        int index = -1;
        DeferredIndex deferred;
    };
    HIMAGELIST imageList_;
    std::vector<Entry> entries_;
};

}  // namespace resident
