#include "editor/editor_menu_reports.h"

#include "editor/command_text.h"
#include "menufile/statement_error_report.h"
#include "resources/editor/resource_ids.h"
#include "win32/system_error_text.h"

namespace editor {

EditorMenuReports::EditorMenuReports(HINSTANCE instance, std::function<HWND()> owner)
    : instance_(instance), owner_(std::move(owner))
{
}

void EditorMenuReports::StatementError(const std::string& path, int id, const menufile::ReportArgs& args)
{
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    menufile::ReportStatementError({owner_(), instance_, caption.c_str()}, id, args, path);
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
    char cause[512];
    win32::SystemErrorText(cause, sizeof cause, error);
    std::string text = std::string(cause) + "\n" + path;
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    MessageBoxA(owner_(), text.c_str(), caption.c_str(), MB_ICONEXCLAMATION);
}

}  // namespace editor
