#pragma once
// Files dropped from the shell (WM_DROPFILES): their paths in the order the
// shell gives them and the point of the drop.
#include <windows.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace win32 {

struct FileDrop {
    std::vector<std::string> files;
    POINT point = {};  // in the client area of the window that took the drop
};

// Reads the drop and gives its memory back (DragFinish).
FileDrop TakeFileDrop(HDROP drop);

}  // namespace win32
