#pragma once
// The shell's system image lists: borrowed, never destroyed.
#include <windows.h>
#include <commctrl.h>

namespace win32 {

struct SystemImageLists {
    HIMAGELIST largeIcons = nullptr;
    HIMAGELIST smallIcons = nullptr;
};

SystemImageLists AttachSystemImageLists();

}  // namespace win32
