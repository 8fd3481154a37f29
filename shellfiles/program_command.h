#pragma once
#include <string>

namespace shellfiles {

// The program of a registered command line such as
// "D:\WINDOWS\NOTEPAD.EXE %1" or "\"D:\Program Files\x\y.exe\" /a": the quoted
// first part, or the text up to the last ".exe", or the whole text; with its
// %NAME% references expanded.
std::string ProgramFromCommand(const std::string& command);

}  // namespace shellfiles
