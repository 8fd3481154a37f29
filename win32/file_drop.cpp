#include "win32/file_drop.h"

namespace win32 {

FileDrop TakeFileDrop(HDROP drop)
{
    FileDrop taken;
    DragQueryPoint(drop, &taken.point);
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, nullptr, 0), '\0');
        DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
        taken.files.push_back(std::move(path));
    }
    DragFinish(drop);
    return taken;
}

}  // namespace win32
