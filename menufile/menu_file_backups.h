#pragma once
// Names and rules of the previous versions that are kept beside a menu file.
#include <string>

namespace menufile {

// Versions kept by a program that keeps several: X.bak the newest, then
// X.bak2 and so on; the oldest beyond this count is dropped.
constexpr int kBackupGenerations = 4;

// path + ".bak" for generation 1, path + ".bak" + N for generation N.
std::string BackupName(const std::string& path, int generation);

// True when two menu file texts differ at most in their "; modified --"
// line: a file written again from the same menu is no new version.
bool SameMenuText(const std::string& a, const std::string& b);

}  // namespace menufile
