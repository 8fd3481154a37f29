#include "setup/setup_steps.h"

#include <windows.h>
#include "settings/keys.h"
#include "settings/paths.h"
#include "setup/file_failure.h"
#include "setup/sample_menu_file.h"
#include "setup/sample_menus.h"
#include "shellfiles/file_path.h"
#include "shellfiles/messages.h"
#include "win32/process_start.h"

namespace setup {

namespace {

struct SectionSample {
    const char* description;
    int iconNumber;
    int rightOptions;
};

// Icons, large icons and texts; the programs' right menu has small icons.
const int kLargeIconMenu = settings::OPT_ICONS | settings::OPT_LARGE_ICONS | settings::OPT_TEXTS;
const int kSmallIconMenu = settings::OPT_ICONS | settings::OPT_TEXTS;

const SectionSample kSections[] = {
    {"デスクトップ", 34, kLargeIconMenu},
    {"プログラム", 36, kSmallIconMenu},
    {"設定", 35, kLargeIconMenu},
};

std::string SystemShell32()
{
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    return std::string(folder, length < sizeof folder ? length : 0) + "\\SHELL32.dll";
}

}  // namespace

SetupSteps::SetupSteps(SetupPaths paths)
    : paths_(std::move(paths)),
      settings_(paths_.settingsPath),
      foundVersion_(settings_.ReadInt(settings::kMainSection, settings::kIniVersion, 0))
{
}

// A setting that cannot be written ends the setup before the version is
// stamped: otherwise the resident would find the old version and start the
// setup again, for ever.
void SetupSteps::Write(const char* section, const char* key, const std::string& value)
{
    if (!settings_.WriteText(section, key, value))
        FailOnFile(GetLastError(), settings_.path());
}

void SetupSteps::Write(const char* section, const char* key, int value)
{
    Write(section, key, std::to_string(value));
}

std::string SetupSteps::PrepareFolder(const char* key, const std::string& defaultPath)
{
    std::string stored = settings_.ReadText(settings::kMainSection, key);
    if (stored.empty()) {
        stored = defaultPath;
        Write(settings::kMainSection, key, stored);
    }
    shellfiles::FilePath folder(stored);
    if (!folder.IsFolder(false) && !folder.CreateFolder(true))
        shellfiles::ExitAbnormally();
    return stored;
}

void SetupSteps::PrepareFolders(const std::function<void(int)>& progress)
{
    poolPath_ = PrepareFolder(settings::kPoolPath, settings::DefaultPoolPath(paths_.programFolder));
    progress(10);
    servicePath_ = PrepareFolder(settings::kServePath, settings::DefaultServePath(paths_.programFolder));
    progress(20);
}

void SetupSteps::WriteSection(int number, const std::string& iconFile)
{
    const SectionSample& sample = kSections[number - 1];
    std::string section = settings::SectionName(number);
    const char* name = section.c_str();
    Write(name, settings::kFlags, settings::FLAG_NO_PRESSED_ICON);
    Write(name, settings::kDesc, sample.description);
    Write(name, settings::kIconUp, iconFile);
    Write(name, settings::kIconNoUp, sample.iconNumber);
    Write(name, settings::kOptLeft, kLargeIconMenu);
    Write(name, settings::kOptRight, sample.rightOptions);
    Write(name, settings::kMenuWidthLeft, 8);
    Write(name, settings::kMenuWidthRight, 8);
    Write(name, settings::kMenuPathLeft, SampleMenuName(number, false));
    Write(name, settings::kMenuPathRight, SampleMenuName(number, true));
    for (bool right : {false, true})
        WriteSampleMenuFile(poolPath_, SampleMenuName(number, right), *BuildSampleMenu(number, right, poolPath_));
}

void SetupSteps::WriteSamples()
{
    if (foundVersion_ != 0)
        return;
    Write(settings::kMainSection, settings::kTrayNo, 3);
    Write(settings::kMainSection, settings::kMenuAutoHide, 3000);
    std::string iconFile = SystemShell32();
    for (int number = 1; number <= 3; ++number)
        WriteSection(number, iconFile);
}

void SetupSteps::StampAndStartResident(HWND owner)
{
    Write(settings::kMainSection, settings::kIniVersion, kTargetVersion);
    std::string commandLine = win32::ProgramCommandLine(paths_.residentPath, "");
    if (!win32::StartProcess(commandLine, owner, shellfiles::kProductName))
        shellfiles::ExitAbnormally();
}

}  // namespace setup
