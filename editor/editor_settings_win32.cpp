#include "editor/editor_settings.h"

#include "editor/ini_transaction.h"
#include "settings/ini_section_reader.h"
#include "editor/save_all.h"
#include "editor/section_loader.h"

namespace editor {

namespace {

// Reading goes straight to the file, a section at a time: nothing is
// written at start.
class IniReader : public ProfileStore {
public:
    explicit IniReader(const std::string& path) : file_(path) {}
    int ReadInt(const std::string& section, const char* key, int defaultValue) const override
    {
        return file_.ReadInt(section.c_str(), key, defaultValue);
    }
    std::string ReadText(const std::string& section, const char* key) const override
    {
        return file_.ReadText(section.c_str(), key);
    }
    bool WriteText(const std::string&, const char*, const std::string&) override { return false; }

private:
    settings::IniSectionReader file_;
};

}  // namespace

EditorSettings::EditorSettings(HINSTANCE instance, std::string settingsPath, std::string poolPath,
                               std::function<HWND()> owner)
    : settingsPath_(std::move(settingsPath)),
      reports_(instance, owner),
      menuWriter_(instance, reports_),
      temporaryWriter_(instance, reports_),
      services_(instance, owner, reports_, temporaryWriter_)
{
    model_.set_poolPath(std::move(poolPath));
}

bool EditorSettings::Load()
{
    return LoadSettings(model_, IniReader(settingsPath_), services_);
}

bool EditorSettings::SaveAll()
{
    IniTransaction file(settingsPath_, [this](const std::string& path, DWORD error) { reports_.ShowFileError(path, error); });
    return editor::SaveAll(model_, menuWriter_, file, services_);
}

}  // namespace editor
