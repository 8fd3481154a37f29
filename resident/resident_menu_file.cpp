#include "resident/resident_menu_file.h"

#include <windows.h>
#include "menufile/statement_error_report.h"
#include "resident/app.h"
#include "resident/system_error_text.h"
#include "resources/resident/resource_ids.h"

namespace resident {

static_assert(menufile::ERR_NO_STATEMENT == IDS_ERR_NO_STATEMENT &&
                  menufile::ERR_BAD_STATEMENT == IDS_ERR_BAD_STATEMENT &&
                  menufile::kNotepadOffer == IDS_ERR_OFFER_NOTEPAD,
              "statement errors are reported with the string ids of the same numbers");

namespace {

void ShowFileError(const std::string& path, DWORD code)
{
    char text[256];
    SystemErrorText(text, sizeof text, code);
    std::string message = std::string(text) + "\n" + path;
    const App& app = TheApp();
    MessageBoxA(app.mainWindow, message.c_str(), app.productCaption, MB_ICONEXCLAMATION);
}

}  // namespace

ResidentMenuFile::ResidentMenuFile(std::string path, int width, int options)
    : MenuFile(std::move(path), width, options, menufile::LineRules::Resident)
{
}

void ResidentMenuFile::ReportError(int id, const menufile::ReportArgs& args)
{
    const App& app = TheApp();
    menufile::ReportStatementError({app.mainWindow, app.instance, app.productCaption}, id, args, path());
}

void ResidentMenuFile::ReportFileError(menufile::FileFailure failure, int)
{
    // The C runtime leaves the system's own error code behind.
    DWORD code = GetLastError();
    if (code == 0)
        code = failure == menufile::FileFailure::Open ? ERROR_OPEN_FAILED : ERROR_READ_FAULT;
    ShowFileError(path(), code);
}

}  // namespace resident
