#pragma once
// The icon chooser's history in the settings file: [IconLocation] File1
// (the newest) to File5.
#include <string>
#include "editor/dialogs/recent_icon_files.h"

namespace editor {

RecentIconFiles ReadIconHistory(const std::string& iniPath);
// The section is written anew: entries that left the history leave the file.
bool WriteIconHistory(const std::string& iniPath, const RecentIconFiles& history);

}  // namespace editor
