#pragma once
// The file error of a failed file operation, worded by its cause as the
// programs' string tables have it: string 61856 + the cause, with %1
// replaced by the path.
#include <windows.h>
#include <string>
#include "win32/report_owner.h"

namespace win32 {

constexpr UINT kFileErrorTexts = 61856;

// The cause number of a system error code (0 none, 1 generic, 2 file not
// found, ... 13 disk full, 14 end of file).
int FileErrorCause(DWORD error);

std::string FileErrorText(HINSTANCE instance, DWORD error, const std::string& path);

// A plain box (style MB_OK unless given) over the owner.
void ShowFileError(const ReportOwner& owner, DWORD error, const std::string& path, UINT style = MB_OK);

}  // namespace win32
