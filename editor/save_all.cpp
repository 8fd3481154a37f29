#include "editor/save_all.h"

#include <vector>
#include "editor/section_keys.h"
#include "settings/keys.h"

namespace editor {

namespace {

struct SectionSave {
    SectionValues values;            // as the keys are to be written
    bool keepMenuPath[kSideCount] = {false, false};
    bool menusWritten = true;
};

// A side whose file failed: its key never names a file that does not
// exist. The key the file holds for this very section stays; a section new
// at this number gets no menu on that side until the file is written.
void HoldBackMenuPath(SectionSave& save, Side side, bool placed, const ModelServices& services)
{
    save.menusWritten = false;
    if (services.FileExists(save.values.menus[side].path))
        return;
    if (placed)
        save.keepMenuPath[side] = true;
    else
        save.values.menus[side].path.clear();
}

SectionSave SaveMenus(const SettingsModel& model, size_t position, MenuFileWriter& menus,
                      const ModelServices& services)
{
    const Section& section = model.section(position);
    SectionSave save{section.values()};
    const bool placed = model.FileHolds(position);
    for (Side side : {kLeft, kRight}) {
        EditMenuFile* menu = section.menu(side);
        if (!menu || !menu->modified() || !menu->root())
            continue;
        if (menus.Write(save.values.menus[side].path, *menu->root()))
            menu->set_modified(false);
        else
            HoldBackMenuPath(save, side, placed, services);
    }
    return save;
}

void WriteMain(const SettingsModel& model, ProfileStore& file)
{
    if (model.TrayNoChanged() &&
        file.ReadInt(settings::kMainSection, settings::kTrayNo, 0) != static_cast<int>(model.size()))
        file.WriteInt(settings::kMainSection, settings::kTrayNo, static_cast<int>(model.size()));
    if (model.MenuAutoHideChanged() &&
        file.ReadInt(settings::kMainSection, settings::kMenuAutoHide, 0) != model.menuAutoHide())
        file.WriteInt(settings::kMainSection, settings::kMenuAutoHide, model.menuAutoHide());
}

}  // namespace

bool SaveAll(SettingsModel& model, MenuFileWriter& menus, ProfileTransaction& file,
             const ModelServices& services)
{
    std::vector<bool> menusWritten(model.size(), true);
    std::vector<bool> keysWritten(model.size(), false);
    for (size_t i = 0; i < model.size(); ++i) {
        SectionSave save = SaveMenus(model, i, menus, services);
        menusWritten[i] = save.menusWritten;
        if (model.SectionNeedsWriting(i)) {
            WriteSectionValues(file, static_cast<int>(i + 1), save.values, model.poolPath(), save.keepMenuPath);
            keysWritten[i] = true;
        }
    }
    WriteMain(model, file);
    if (!file.Commit())
        return false;
    bool allWritten = true;
    for (size_t i = 0; i < model.size(); ++i) {
        if (keysWritten[i])
            model.MarkSectionWritten(i);
        if (!menusWritten[i])
            model.section(i).set_modified(true);
        allWritten = allWritten && menusWritten[i];
    }
    model.MarkMainWritten();
    return allWritten;
}

}  // namespace editor
