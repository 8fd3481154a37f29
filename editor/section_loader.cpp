#include "editor/section_loader.h"

#include <algorithm>
#include "editor/menu_file_names.h"
#include "editor/section_keys.h"
#include "settings/defaults.h"
#include "settings/keys.h"
#include "settings/paths.h"
#include "shiftjis/shift_jis.h"

namespace editor {

namespace {

bool LoadSection(SettingsModel& model, const ProfileStore& store, ModelServices& services, int number)
{
    size_t position = static_cast<size_t>(number - 1);
    SectionValues values = ReadSectionValues(store, number, model.poolPath());
    model.Insert(position, std::make_unique<Section>(model.NewId(), values));
    model.MarkSectionWritten(position);
    Section& section = model.section(position);
    // Named before the menus, so that their new files carry the name.
    if (values.description.empty()) {
        values.description = NewDescription(model, services.Now());
        section.set_values(values);
    }
    for (Side side : {kLeft, kRight}) {
        section.set_menu(side, std::make_unique<EditMenuFile>(values.menus[side].path, services.Reports()));
        if (!LoadMenuAsking(*section.menu(side), services, true))
            return false;
        SettleMenu(section, side, model, services);
    }
    return true;
}

}  // namespace

bool LoadSettings(SettingsModel& model, const ProfileStore& store, ModelServices& services)
{
    // The sections the resident shows: a damaged TrayNo counts as what it
    // shows, and is written again only when the user changes the sections.
    int trayNo = std::clamp(store.ReadInt(settings::kMainSection, settings::kTrayNo, 0), 0, settings::kMaxTrayIcons);
    model.SetFileMain(trayNo, store.ReadInt(settings::kMainSection, settings::kMenuAutoHide, 0));
    for (int number = 1; number <= trayNo; ++number) {
        if (!LoadSection(model, store, services, number))
            return false;
    }
    return true;
}

bool LoadMenuAsking(EditMenuFile& menu, ModelServices& services, bool startingUp)
{
    const std::string asked = menu.path();
    if (menu.Reload())
        return true;
    FileAnswer answer = services.AskMissingOrBroken(asked);
    if (answer == FileAnswer::Cancel)
        return !startingUp;
    if (answer == FileAnswer::NewFile)
        return true;
    std::string picked = asked;
    while (services.PickFile(picked)) {
        menu.set_path(picked);
        if (menu.Reload())
            return true;
    }
    return true;
}

void SettleMenu(Section& section, Side side, const SettingsModel& model, ModelServices& services)
{
    EditMenuFile& menu = *section.menu(side);
    SectionValues values = section.values();
    if (menu.path().empty() || menu.fileFailed()) {
        std::string path = NewMenuFilePath(model.poolPath(), values.description, side, services.Now(),
                                           [&](const std::string& p) { return MenuPathTaken(model, services, p); });
        menu.set_path(path);
        menu.MakeEmpty();
    } else if (!menu.root()) {
        // A statement error before the first POPUP: nothing was read, and
        // nothing changes on disk until the menu is edited.
        menu.set_root(std::make_unique<menufile::MenuList>());
    }
    if (!shiftjis::EqualIgnoringCase(menu.path(), values.menus[side].path)) {
        values.menus[side].path = menu.path();
        section.set_values(values);
    }
}

std::string NewDescription(const SettingsModel& model, uint32_t secondsSince1970)
{
    for (uint32_t seconds = secondsSince1970;; ++seconds) {
        std::string description = settings::EditorDefaultDescription(seconds);
        if (model.FindDescription(description) == SettingsModel::npos)
            return description;
    }
}

bool MenuPathTaken(const SettingsModel& model, const ModelServices& services, const std::string& path)
{
    for (size_t i = 0; i < model.size(); ++i) {
        for (const MenuSideValues& side : model.section(i).values().menus) {
            if (shiftjis::EqualIgnoringCase(side.path, path))
                return true;
        }
    }
    return services.FileExists(path);
}

}  // namespace editor
