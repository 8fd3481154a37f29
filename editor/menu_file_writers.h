#pragma once
// Menu files written through the shared saver (a temporary file beside the
// target that replaces it in one step); a failure is shown as a file error.
#include <windows.h>
#include "editor/editor_menu_reports.h"
#include "editor/save_all.h"
#include "menufile/menu_file_saver.h"

namespace editor {

class SaverMenuWriter : public MenuFileWriter {
public:
    SaverMenuWriter(HINSTANCE instance, EditorMenuReports& reports, menufile::Backup backup);
    bool Write(const std::string& path, const menufile::MenuList& root) override;

protected:
    HINSTANCE instance() const { return instance_; }
    EditorMenuReports& reports() const { return reports_; }

private:
    HINSTANCE instance_;
    EditorMenuReports& reports_;
    menufile::MenuFileSaver saver_;
};

// Save all: the first save of a session keeps the file as it was before
// the session in X.bak; later saves leave that alone. A menu with a line
// the resident could not read back whole is not written: the user is told
// which entry, and the edits stay to be shortened.
class SessionMenuWriter : public SaverMenuWriter {
public:
    SessionMenuWriter(HINSTANCE instance, EditorMenuReports& reports)
        : SaverMenuWriter(instance, reports, menufile::Backup::SessionStart)
    {
    }
    bool Write(const std::string& path, const menufile::MenuList& root) override;
};

// The temporary files of Duplicate: no backup.
class TemporaryMenuWriter : public SaverMenuWriter {
public:
    TemporaryMenuWriter(HINSTANCE instance, EditorMenuReports& reports)
        : SaverMenuWriter(instance, reports, menufile::Backup::None)
    {
    }
};

}  // namespace editor
