#include "resident/resident_menu_file.h"

#include <windows.h>
#include "resident/app.h"
#include "resident/process_starter.h"
#include "resident/system_error_text.h"
#include "resident/text/string_resource.h"
#include "resources/resident/resource_ids.h"
#include "shiftjis/shift_jis.h"

namespace resident {

static_assert(menufile::ERR_NO_STATEMENT == IDS_ERR_NO_STATEMENT &&
                  menufile::ERR_BAD_STATEMENT == IDS_ERR_BAD_STATEMENT,
              "statement errors are reported with the string ids of the same numbers");

namespace {

// The message buffer of a statement error holds 512 bytes.
constexpr size_t kMessageBytes = 511;

const char* TextArg(const menufile::ReportArg& arg)
{
    const std::string* text = std::get_if<std::string>(&arg);
    return text ? text->c_str() : "";
}

int NumberArg(const menufile::ReportArg& arg)
{
    const int* number = std::get_if<int>(&arg);
    return number ? *number : 0;
}

// The message of a statement error: its arguments are none, a number, a
// keyword and a number, or a number and a keyword.
std::string StatementMessage(int id, const menufile::ReportArgs& args)
{
    CStr text;
    UINT stringId = static_cast<UINT>(id);
    if (args.empty())
        LoadResourceString(text, stringId);
    else if (args.size() == 1)
        FormatResourceString(text, stringId, NumberArg(args[0]));
    else if (std::holds_alternative<std::string>(args[0]))
        FormatResourceString(text, stringId, TextArg(args[0]), NumberArg(args[1]));
    else
        FormatResourceString(text, stringId, NumberArg(args[0]), TextArg(args[1]));
    return std::string(text.c_str(), static_cast<size_t>(text.Length()));
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
    std::string message = StatementMessage(id, args);
    KeepWholeCharacters(message, kMessageBytes);
    CStr offer;
    LoadResourceString(offer, IDS_ERR_OFFER_NOTEPAD);
    message += offer.c_str();
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
    text = shiftjis::CutToWholeCharacters(text, maxBytes);
}

}  // namespace resident
