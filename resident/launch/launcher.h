#pragma once
// Starting what the user chose in a tray menu. The target of a launch string
// is "&0x" and the key of a folder menu entry, "&#" and a special folder's
// CSIDL, or a file system path; failures are reported to the user.
#include <windows.h>
#include <string>
#include "resident/folders/folder_entry_lookup.h"

namespace resident {

// The lookup that Launch(target, parameters) uses; null means no folder menus.
void SetFolderEntryLookup(const FolderEntryLookup* lookup);

void Launch(const std::string& target, const std::string& parameters);
void Launch(const std::string& target, const std::string& parameters, const FolderEntryLookup* folderEntries);

// Drive and folder of a path, ending in its last separator ("D:\Tools\" for
// D:\Tools\app.exe); empty for a bare name. Double-byte characters whose
// second byte is a backslash are not taken for separators.
std::string WorkingFolderOf(const std::string& path);

}  // namespace resident
