#pragma once
// How the editor tells the user about a menu file: the file error of the
// failing step (the cause's text with the path) and a statement error with
// the offer to mend the file in Notepad.
#include <windows.h>
#include <functional>
#include <string>
#include "editor/edit_menu_file.h"
#include "win32/report_owner.h"

namespace editor {

class EditorMenuReports : public MenuReports {
public:
    EditorMenuReports(HINSTANCE instance, std::function<HWND()> owner);

    void StatementError(const std::string& path, int id, const menufile::ReportArgs& args) override;
    void FileError(const std::string& path, menufile::FileFailure failure, int runtimeError) override;
    // The file error for a system error code: the text of its cause with
    // the path.
    void ShowFileError(const std::string& path, DWORD error);
    // An entry whose line is too long to be read back; the file is not
    // written and the edits are kept.
    void ShowOverlongEntry(const std::string& path, const std::string& entryText);

private:
    win32::ReportOwner Owner() const;

    HINSTANCE instance_;
    std::function<HWND()> owner_;
    std::string caption_;
};

}  // namespace editor
