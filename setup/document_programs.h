#pragma once
// The programs that open the document types of the first sample menu.
#include <functional>
#include <string>
#include <vector>

namespace setup {

// Looks up the open command of a document type; false when the type is not
// registered.
using CommandLookUp = std::function<bool(const std::string& type, std::string& command)>;

// The program paths for "txt", "htm", "doc" and "xls", in that order, for the
// types that are registered with a command. The "doc" program is left out
// when it is the "txt" program (case aside); the others are always kept.
std::vector<std::string> DocumentPrograms(const CommandLookUp& lookUp);

}  // namespace setup
