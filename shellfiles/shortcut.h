#pragma once
// Shortcut files (.lnk) to shell items.
#include <windows.h>
#include <shlobj.h>
#include <string>

namespace shellfiles {

// Makes or updates the shortcut at path (whose file name is first cleaned of
// forbidden characters, in place) so that it points to target, with the icon
// iconPath/iconNumber when iconPath is given. An existing shortcut keeps its
// other properties. False when the shell link object cannot be made, and
// after a box naming the step and the path when the shell fails to set or
// save it.
bool CreateShortcut(std::string& path, LPCITEMIDLIST target, const char* iconPath = nullptr,
                    int iconNumber = 0);

}  // namespace shellfiles
