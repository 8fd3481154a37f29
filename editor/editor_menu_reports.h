#pragma once
// How the editor tells the user about a menu file: the file error of the
// failing step (the cause's text with the path) and a statement error with
// the offer to mend the file in Notepad.
#include <windows.h>
#include <functional>
#include "editor/edit_menu_file.h"

namespace editor {

class EditorMenuReports : public MenuReports {
public:
    EditorMenuReports(HINSTANCE instance, std::function<HWND()> owner);

    void StatementError(const std::string& path, int id, const menufile::ReportArgs& args) override;
    void FileError(const std::string& path, menufile::FileFailure failure, int runtimeError) override;
    // The file error for a system error code.
    void ShowFileError(const std::string& path, DWORD error);

private:
    HINSTANCE instance_;
    std::function<HWND()> owner_;
};

}  // namespace editor
