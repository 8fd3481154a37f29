#include "editor/editor_menu_reports.h"

#include "editor/command_text.h"
#include "menufile/statement_error_report.h"
#include "resources/editor/resource_ids.h"
#include "win32/file_error_report.h"

namespace editor {

EditorMenuReports::EditorMenuReports(HINSTANCE instance, std::function<HWND()> owner)
    : instance_(instance), owner_(std::move(owner)), caption_(LoadText(instance, IDS_APP_TITLE))
{
}

win32::ReportOwner EditorMenuReports::Owner() const
{
    return {owner_(), instance_, caption_.c_str()};
}

void EditorMenuReports::StatementError(const std::string& path, int id, const menufile::ReportArgs& args)
{
    menufile::ReportStatementError(Owner(), id, args, path);
}

void EditorMenuReports::FileError(const std::string& path, menufile::FileFailure failure, int)
{
    // The C runtime leaves the system's own error code behind.
    DWORD error = GetLastError();
    if (error == NO_ERROR)
        error = failure == menufile::FileFailure::Open ? ERROR_OPEN_FAILED : ERROR_READ_FAULT;
    ShowFileError(path, error);
}

void EditorMenuReports::ShowFileError(const std::string& path, DWORD error)
{
    win32::ShowFileError(Owner(), error, path, MB_ICONEXCLAMATION);
}

void EditorMenuReports::ShowOverlongEntry(const std::string& path, const std::string& entryText)
{
    std::string text = LoadText(instance_, IDS_LINE_TOO_LONG);
    size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, entryText);
    text += "\n" + path;
    MessageBoxA(owner_(), text.c_str(), caption_.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace editor
