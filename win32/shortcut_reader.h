#pragma once
// Reading shortcut (.lnk) files through the shell link object. COM must be
// initialised on the calling thread. No message is shown here: the caller
// decides how to tell the user.
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"

namespace win32 {

struct ShortcutData {
    std::string targetPath;
    std::string description;
    std::string workingDirectory;
    std::string arguments;
    std::string iconPath;
    int iconIndex = 0;
    WORD hotkey = 0;
    int showCommand = 0;
};

// ok, or why not: failure is empty when the file could not be loaded or
// resolved, else the fixed English text of the field that could not be read.
struct ShortcutReadResult {
    bool ok = false;
    std::string failure;
    ShortcutData data;
};

struct ShortcutIdListResult {
    bool ok = false;
    std::string failure;
    UniqueItemIdList idList;  // the target's absolute item id list
};

// The longest the shell may take to resolve one shortcut. Shortcuts are read
// while a tray popup is built, where a broken one (its target gone, a drive
// or server that does not answer) would otherwise hold the click for the
// shell's default of 3 s each: the shell neither searches for a moved
// target nor tracks it, and gives up after this time.
constexpr WORD kShortcutResolveMs = 250;

// owner is the window of any question the link resolution would ask; none
// is asked (no UI), but the shell wants a window for it.
ShortcutReadResult ReadShortcut(HWND owner, const std::string& path);
ShortcutIdListResult ReadShortcutIdList(HWND owner, const std::string& path);

}  // namespace win32
