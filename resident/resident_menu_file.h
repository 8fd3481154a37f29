#pragma once
// The resident's menu file: a broken file is reported in a message box over
// the main window with the offer to mend it in Notepad.
#include <string>
#include "menufile/menu_file.h"

namespace resident {

class ResidentMenuFile : public menufile::MenuFile {
public:
    ResidentMenuFile(std::string path, int width, int options);

protected:
    void ReportError(int id, const menufile::ReportArgs& args) override;
    void ReportFileError(menufile::FileFailure failure, int runtimeError) override;
};

// "notepad.exe" with the quoted path; Windows finds Notepad on its search path.
std::string NotepadCommandLine(const std::string& path);

// Cuts text to at most maxBytes without splitting a double-byte character,
// and drops a lead byte that has lost its trail byte.
void KeepWholeCharacters(std::string& text, size_t maxBytes);

}  // namespace resident
