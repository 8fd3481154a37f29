#pragma once
// The registered program and icon of a document type, read from the file
// types under HKEY_CLASSES_ROOT (read only, never written).
#include <string>

namespace shellfiles {

struct FileType {
    std::string iconPath;  // from the class's DefaultIcon
    int iconNumber = -1;   // -1 when the type has no icon
    std::string command;   // of the verb "open", or else of the first verb
};

// Looks up a type given without its dot ("txt"). False when the type is not
// registered. The icon number starts as -1; the other fields keep what they
// held when the type has no icon or no command.
bool LookUpFileType(const std::string& type, FileType& result);

}  // namespace shellfiles
