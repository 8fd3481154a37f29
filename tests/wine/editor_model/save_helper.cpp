// Stands in for an editor whose user changed everything: loads the settings
// in the folder given (without its last backslash), changes every section's Desc and adds an entry to
// every menu, leaves "ready" in the folder, runs Save all and leaves "done".
// The kill test ends it from outside somewhere in between.
#include <windows.h>
#include <string>
#include "editor/editor_settings.h"

namespace {

void Mark(const std::string& path)
{
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

void ChangeEverything(editor::EditorSettings& settings)
{
    editor::SettingsModel& model = settings.model();
    for (size_t i = 0; i < model.size(); ++i) {
        editor::SectionValues values = model.section(i).values();
        values.description += " saved";
        settings.history().Do(model, std::make_unique<editor::SectionValuesChange>(model.section(i), values));
        for (editor::Side side : {editor::kLeft, editor::kRight}) {
            editor::EditMenuFile& menu = *model.section(i).menu(side);
            menu.root()->entries.emplace_back().text1 = "C:\\added.exe";
            menu.set_modified(true);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string folder = std::string(argv[1]) + "\\";
    editor::EditorSettings settings(GetModuleHandleA(nullptr), folder + "Ombrix.ini", folder + "work\\",
                                    [] { return HWND(nullptr); });
    if (!settings.Load())
        return 2;
    ChangeEverything(settings);
    Mark(folder + "ready");
    bool saved = settings.SaveAll();
    Mark(folder + "done");
    return saved ? 0 : 1;
}
