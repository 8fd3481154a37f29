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

}  // namespace resident
