#pragma once
// An owner for an image list, beside the other handle owners.
#include <windows.h>
#include <commctrl.h>
#include "win32/unique_handle.h"

namespace win32 {

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { ::ImageList_Destroy(h); }
};

using UniqueImageList = UniqueHandle<ImageListTraits>;

}  // namespace win32
