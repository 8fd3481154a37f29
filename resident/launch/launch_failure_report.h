#pragma once
#include <string>

namespace resident {

// The text of the report for a shell start result (ShellExecute's codes):
// empty for a success (a code above 32), else string 135 with the reason
// for the codes that have one, string 134 for the others.
std::string LaunchFailureText(int code, const std::string& path);

// Shows that text over the main window, when there is one to show.
void ReportLaunchFailure(int code, const std::string& path);

}  // namespace resident
