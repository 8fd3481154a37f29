#pragma once
// The one way the programs take an icon out of a file (.ico, .exe, .dll).
#include <windows.h>
#include <string>
#include "win32/unique_handle.h"

namespace win32 {

enum class IconSize { Large, Small };

// Icon `number` of the file as the shell's extraction counts it (0, 1, ...
// by position; another negative number names an icon resource by its id),
// in the system's large or small icon size. Empty when there is none: the
// caller falls back as for a missing file. Never the icon count that the
// shell answers for -1, nor the 1 it answers for a file without icons.
// instance is the calling program's (none: the running program's).
UniqueIcon ExtractFileIcon(const std::string& path, int number, IconSize size, HINSTANCE instance = nullptr);

// How many icons the file holds by position: 0 for a file without icons or
// no file.
int CountFileIcons(const std::string& path, HINSTANCE instance = nullptr);

// Icon `number` by position of a module the program has loaded already,
// counted as ExtractFileIcon counts the module's file, without opening the
// file again: the shell's extraction maps and parses a large system DLL
// anew on every call.
UniqueIcon LoadedModuleIcon(HMODULE module, int number, IconSize size);

}  // namespace win32
