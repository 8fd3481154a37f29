#pragma once
// The report of a statement error in a menu file, as the resident and the
// editor show it: the error's text (strings 156 to 162 of the owner's
// module, with their arguments), the offer to mend the file in Notepad
// (string 163), and Notepad started on the file when the user says Yes.
#include <windows.h>
#include <string>
#include "menufile/menu_file.h"
#include "win32/report_owner.h"

namespace menufile {

constexpr UINT kNotepadOffer = 163;

// The message: the error's text cut to the 511 bytes of its buffer (never
// inside a double-byte character), then the offer.
std::string StatementErrorMessage(HINSTANCE instance, int id, const ReportArgs& args);

// Shows the message (Yes and No, exclamation mark) over the owner; Yes
// starts Notepad on path.
void ReportStatementError(const win32::ReportOwner& owner, int id, const ReportArgs& args, const std::string& path);

// "notepad.exe" with the quoted path; Windows finds Notepad on its search path.
std::string NotepadCommandLine(const std::string& path);

}  // namespace menufile
