#include "editor/edit_menu_file.h"

#include <memory>

namespace editor {

EditMenuFile::EditMenuFile(std::string path, MenuReports& reports)
    : MenuFile(std::move(path), 0, 0, menufile::LineRules::Editor), reports_(reports)
{
}

void EditMenuFile::MakeEmpty()
{
    set_root(std::make_unique<menufile::MenuList>());
    modified_ = true;
}

bool EditMenuFile::Reload()
{
    fileFailed_ = false;
    return Load();
}

void EditMenuFile::ReportError(int id, const menufile::ReportArgs& args)
{
    reports_.StatementError(path(), id, args);
}

void EditMenuFile::ReportFileError(menufile::FileFailure failure, int runtimeError)
{
    fileFailed_ = true;
    reports_.FileError(path(), failure, runtimeError);
}

}  // namespace editor
