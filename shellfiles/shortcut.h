#pragma once
// Shortcut files (.lnk) to shell items.
#include <windows.h>
#include <shlobj.h>
#include <string>

namespace shellfiles {

// How writing a shortcut went: the step that failed (null on success) and
// the shell's answer.
struct ShortcutWrite {
    const char* failure = nullptr;
    HRESULT result = S_OK;
    explicit operator bool() const noexcept { return !failure; }
};

// Makes or updates the shortcut at path (whose file name is first cleaned of
// forbidden characters, in place) so that it points to target, with the icon
// iconPath/iconNumber when iconPath is given. An existing shortcut keeps its
// other properties. Shows nothing: the caller tells the user.
ShortcutWrite WriteShortcut(std::string& path, LPCITEMIDLIST target, const char* iconPath = nullptr,
                            int iconNumber = 0);

// WriteShortcut, with a box naming the step and the path when the shell
// fails to set or save it (none when the link object cannot be made).
bool CreateShortcut(std::string& path, LPCITEMIDLIST target, const char* iconPath = nullptr,
                    int iconNumber = 0);

}  // namespace shellfiles
