#include "resident/resident_menu_file.h"

#include <windows.h>
#include "resident/app.h"
#include "resident/process_starter.h"
#include "resident/system_error_text.h"
#include "resources/resident/resource_ids.h"

namespace resident {

static_assert(menufile::ERR_NO_STATEMENT == IDS_ERR_NO_STATEMENT &&
                  menufile::ERR_BAD_STATEMENT == IDS_ERR_BAD_STATEMENT,
              "statement errors are reported with the string ids of the same numbers");

namespace {

// The message buffer of a statement error holds 512 bytes.
constexpr size_t kMessageBytes = 511;

std::string LoadText(UINT id)
{
    char text[512];
    int length = LoadStringA(TheApp().instance, id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

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
    // A keyword may be a whole 511-byte piece: the message is cut rather
    // than overrunning its buffer.
    std::string message = menufile::FormatReport(LoadText(static_cast<UINT>(id)).c_str(), args);
    KeepWholeCharacters(message, kMessageBytes);
    message += LoadText(IDS_ERR_OFFER_NOTEPAD);
    const App& app = TheApp();
    int answer = MessageBoxA(app.mainWindow, message.c_str(), app.productCaption, MB_YESNO | MB_ICONEXCLAMATION);
    if (answer == IDYES)
        StartProcess(NotepadCommandLine(path()));
}

void ResidentMenuFile::ReportFileError(menufile::FileFailure failure, int)
{
    // The C runtime leaves the system's own error code behind.
    DWORD code = GetLastError();
    if (code == 0)
        code = failure == menufile::FileFailure::Open ? ERROR_OPEN_FAILED : ERROR_READ_FAULT;
    ShowFileError(path(), code);
}

std::string NotepadCommandLine(const std::string& path) { return "notepad.exe \"" + path + "\""; }

void KeepWholeCharacters(std::string& text, size_t maxBytes)
{
    size_t kept = 0;
    while (kept < text.size()) {
        size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[kept])) ? 2 : 1;
        if (kept + width > text.size() || kept + width > maxBytes)
            break;
        kept += width;
    }
    text.erase(kept);
}

}  // namespace resident
