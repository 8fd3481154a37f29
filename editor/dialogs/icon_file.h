#pragma once
// The icons of one file (.ico, .exe, .dll, .ocx) as the icon chooser reads them.
#include <windows.h>
#include <string>
#include <vector>
#include "win32/unique_handle.h"

namespace editor {

// The path a user or a menu entry gives, made usable: %NAME% references
// expanded, a leading "SystemRoot" (any case, in a text of at least 12
// characters) replaced by the Windows folder, then the full path (the text
// as it is when the system cannot make one).
std::string ResolveIconPath(const std::string& text);

// Whether the path names an existing file (not a folder). Read from the
// attributes, which work at any path length.
bool IconFileExists(const std::string& path);

// How many icons the file holds; 0 for a file without icons.
int IconCount(HINSTANCE instance, const std::string& path);

// The position among the file's icons of the icon group with that resource
// id (an icon number below 0 names one so), or -1 when it has none.
int IconPositionOfResource(const std::string& path, int resourceId);

// Icons 0 to count - 1 of the file; an icon that cannot be made stays empty.
std::vector<win32::UniqueIcon> ExtractIcons(HINSTANCE instance, const std::string& path, int count);

}  // namespace editor
