#include "editor/dialogs/icon_history.h"

#include <windows.h>
#include "settings/ini_file.h"
#include "settings/keys.h"

namespace editor {

namespace {

std::string EntryName(size_t position)
{
    return "File" + std::to_string(position + 1);
}

}  // namespace

RecentIconFiles ReadIconHistory(const std::string& iniPath)
{
    settings::IniFile ini(iniPath);
    std::vector<std::string> files;
    for (size_t i = 0; i < RecentIconFiles::kCapacity; ++i)
        files.push_back(ini.ReadText(settings::kIconLocationSection, EntryName(i).c_str()));
    return RecentIconFiles(files);
}

bool WriteIconHistory(const std::string& iniPath, const RecentIconFiles& history)
{
    WritePrivateProfileStringA(settings::kIconLocationSection, nullptr, nullptr, iniPath.c_str());
    settings::IniFile ini(iniPath);
    bool written = true;
    for (size_t i = 0; i < history.files().size(); ++i)
        written = ini.WriteText(settings::kIconLocationSection, EntryName(i).c_str(), history.files()[i]) && written;
    return written;
}

}  // namespace editor
