#include "editor/editor_menu_reports.h"

#include "editor/command_text.h"
#include "resident/text/string_resource.h"
#include "resources/editor/resource_ids.h"
#include "win32/process_start.h"
#include "win32/system_error_text.h"

namespace editor {

namespace {

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

// The arguments of a statement error are none, a number, a keyword and a
// number, or a number and a keyword.
std::string StatementMessage(int id, const menufile::ReportArgs& args)
{
    resident::CStr text;
    UINT stringId = static_cast<UINT>(id);
    if (args.empty())
        resident::LoadResourceString(text, stringId);
    else if (args.size() == 1)
        resident::FormatResourceString(text, stringId, NumberArg(args[0]));
    else if (std::holds_alternative<std::string>(args[0]))
        resident::FormatResourceString(text, stringId, TextArg(args[0]), NumberArg(args[1]));
    else
        resident::FormatResourceString(text, stringId, NumberArg(args[0]), TextArg(args[1]));
    return std::string(text.c_str(), static_cast<size_t>(text.Length()));
}

}  // namespace

EditorMenuReports::EditorMenuReports(HINSTANCE instance, std::function<HWND()> owner)
    : instance_(instance), owner_(std::move(owner))
{
}

void EditorMenuReports::StatementError(const std::string& path, int id, const menufile::ReportArgs& args)
{
    std::string message = StatementMessage(id, args) + LoadText(instance_, IDS_ERR_OFFER_NOTEPAD);
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    if (MessageBoxA(owner_(), message.c_str(), caption.c_str(), MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        win32::StartProcess("notepad.exe \"" + path + "\"", owner_(), caption.c_str());
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
