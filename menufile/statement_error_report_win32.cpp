#include "menufile/statement_error_report.h"

#include "shiftjis/shift_jis.h"
#include "win32/process_start.h"

namespace menufile {

namespace {

// The buffer of a statement error's text holds 512 bytes.
constexpr size_t kMessageBytes = 511;

const char* TextArg(const ReportArg& arg)
{
    const std::string* text = std::get_if<std::string>(&arg);
    return text ? text->c_str() : "";
}

int NumberArg(const ReportArg& arg)
{
    const int* number = std::get_if<int>(&arg);
    return number ? *number : 0;
}

std::string LoadText(HINSTANCE instance, UINT id)
{
    char text[kMessageBytes + 1];
    int length = LoadStringA(instance, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// The arguments are none, a number, a keyword and a number, or a number and
// a keyword. The system's formatter writes at most 1024 bytes, more than a
// text with a keyword of one 511-byte line needs.
std::string ErrorText(HINSTANCE instance, int id, const ReportArgs& args)
{
    std::string format = LoadText(instance, static_cast<UINT>(id));
    if (args.empty())
        return format;
    char text[1025] = "";
    if (args.size() == 1)
        wsprintfA(text, format.c_str(), NumberArg(args[0]));
    else if (std::holds_alternative<std::string>(args[0]))
        wsprintfA(text, format.c_str(), TextArg(args[0]), NumberArg(args[1]));
    else
        wsprintfA(text, format.c_str(), NumberArg(args[0]), TextArg(args[1]));
    return text;
}

}  // namespace

std::string StatementErrorMessage(HINSTANCE instance, int id, const ReportArgs& args)
{
    // A keyword may be a whole 511-byte piece: the text is cut rather than
    // overrunning its buffer.
    return shiftjis::CutToWholeCharacters(ErrorText(instance, id, args), kMessageBytes) +
           LoadText(instance, kNotepadOffer);
}

void ReportStatementError(const win32::ReportOwner& owner, int id, const ReportArgs& args, const std::string& path)
{
    std::string message = StatementErrorMessage(owner.instance, id, args);
    if (MessageBoxA(owner.window, message.c_str(), owner.caption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        win32::StartProcess(NotepadCommandLine(path), owner.window, owner.caption);
}

std::string NotepadCommandLine(const std::string& path) { return "notepad.exe \"" + path + "\""; }

}  // namespace menufile
