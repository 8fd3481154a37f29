#pragma once
// Message boxes of the file routines, shared by the assistant and the editor.
#include <string>

namespace shellfiles {

// Caption of the boxes: the product name.
extern const char kProductName[];

// The system's text for error (GetLastError() when 0), "\n" and the path,
// with an exclamation mark; the program goes on.
void ShowFileError(const std::string& path, unsigned long error = 0);

// Shows text with an exclamation mark; the program goes on.
void ShowProblem(const std::string& text);

// Ends the program at once with status 3, as an abnormal termination.
[[noreturn]] void ExitAbnormally();

}  // namespace shellfiles
