#pragma once
// Messages of the editor's dialogs: a text of the string table, with an
// exclamation mark, over the dialog that reports it.
#include <windows.h>
#include <string>

namespace editor {

// The first "%1" of the format is replaced by the argument. The argument
// (a path, say) is never read as a format itself.
std::string InsertArgument(const std::string& format, const std::string& argument);

void ShowExclamation(HWND owner, HINSTANCE instance, UINT id, const std::string& argument = "");

}  // namespace editor
