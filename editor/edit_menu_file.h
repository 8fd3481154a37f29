#pragma once
// The editor's holder of one menu file: the menu read with the editor's
// line rules, and whether it was changed since it was read or written.
#include <string>
#include "menufile/menu_file.h"

namespace editor {

// Where a menu file's failures are told to the user.
class MenuReports {
public:
    virtual ~MenuReports() = default;
    virtual void StatementError(const std::string& path, int id, const menufile::ReportArgs& args) = 0;
    virtual void FileError(const std::string& path, menufile::FileFailure failure, int runtimeError) = 0;
};

class EditMenuFile : public menufile::MenuFile {
public:
    EditMenuFile(std::string path, MenuReports& reports);

    bool modified() const { return modified_; }
    void set_modified(bool modified) { modified_ = modified; }
    // A new, empty menu (no file read), to be written at the next save.
    void MakeEmpty();
    // Reads the file at path (Load, forgetting an earlier failure).
    bool Reload();
    // The last load failed because the file could not be opened or read
    // (rather than on a statement).
    bool fileFailed() const { return fileFailed_; }

protected:
    void ReportError(int id, const menufile::ReportArgs& args) override;
    void ReportFileError(menufile::FileFailure failure, int runtimeError) override;

private:
    MenuReports& reports_;
    bool modified_ = false;
    bool fileFailed_ = false;
};

}  // namespace editor
