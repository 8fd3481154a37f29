// Save all of 10 sections with their 20 menu files of 500 entries modified,
// against the bare saver writing the same 20 menus through the same
// temporary file and replace, with no model and no backups. The first Save
// all of a session also keeps each file's .bak; later ones do not. A second
// figure has every section's Desc changed too, so that Ombrix.ini is
// written as well (ten keys through the private-profile operations). Prints
// the best of several rounds and the ratios; the target for Save all of
// the 20 files is at most 1.5.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include "editor/editor_settings.h"
#include "menufile/menu_file_saver.h"
#include "settings/ini_file.h"
#include "settings/keys.h"

namespace {

constexpr int kSections = 10;
constexpr int kEntries = 500;
constexpr int kRounds = 7;

void WriteText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void Prepare(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "work").c_str(), nullptr);
    settings::IniFile ini(folder + "Ombrix.ini");
    ini.WriteText("Main", "TrayNo", std::to_string(kSections));
    for (int n = 1; n <= kSections; ++n) {
        std::string section = settings::SectionName(n), name = "s" + std::to_string(n);
        ini.WriteText(section.c_str(), "Desc", name);
        for (const char* side : {"_L", "_R"}) {
            ini.WriteText(section.c_str(), (std::string("MenuPath") + side).c_str(), name + side + ".txt");
            std::string text = "POPUP m\r\nBEGIN\r\n";
            for (int i = 0; i < kEntries; ++i)
                text += "MENUITEM C:\\Programs\\" + name + "\\p" + std::to_string(i) + ".exe, Program " +
                        std::to_string(i) + ", /x, shell32.dll, 3\r\n";
            WriteText(folder + "work\\" + name + side + ".txt", text + "END\r\n");
        }
    }
}

void ChangeEverything(editor::EditorSettings& settings, int round, bool descriptions)
{
    editor::SettingsModel& model = settings.model();
    for (size_t i = 0; i < model.size(); ++i) {
        editor::SectionValues values = model.section(i).values();
        values.description = "s" + std::to_string(i + 1) + " round " + std::to_string(round);
        if (descriptions)
            settings.history().Do(model, std::make_unique<editor::SectionValuesChange>(model.section(i), values));
        for (editor::Side side : {editor::kLeft, editor::kRight}) {
            editor::EditMenuFile& menu = *model.section(i).menu(side);
            menu.root()->entries[0].text2 = "changed " + std::to_string(round);
            menu.set_modified(true);
        }
    }
}

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double Timed(Work work)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// The bare saver on the same menus, as the editor's writer is made.
double BareSave(editor::EditorSettings& settings)
{
    menufile::SaverArgs args;
    args.instance = GetModuleHandleA(nullptr);
    args.headerId = 136;
    menufile::MenuFileSaver saver(args);
    editor::SettingsModel& model = settings.model();
    return Timed([&] {
        for (size_t i = 0; i < model.size(); ++i)
            for (editor::Side side : {editor::kLeft, editor::kRight})
                saver.Save(model.section(i).values().menus[side].path, *model.section(i).menu(side)->root());
    });
}

}  // namespace

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    double first = 1e9, later = 1e9, withKeys = 1e9, bare = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        std::string folder = std::string(temp) + "bench_save_all_" + std::to_string(GetCurrentProcessId()) + "_" +
                             std::to_string(round) + "\\";
        Prepare(folder);
        editor::EditorSettings settings(GetModuleHandleA(nullptr), folder + "Ombrix.ini", folder + "work\\",
                                        [] { return HWND(nullptr); });
        if (!settings.Load())
            return 1;
        ChangeEverything(settings, 1, false);
        first = std::min(first, Timed([&] { settings.SaveAll(); }));
        ChangeEverything(settings, 2, false);
        later = std::min(later, Timed([&] { settings.SaveAll(); }));
        bare = std::min(bare, BareSave(settings));
        ChangeEverything(settings, 3, true);
        withKeys = std::min(withKeys, Timed([&] { settings.SaveAll(); }));
    }
    printf("Save all of 20 files, first of the session (with .bak): %.1f ms\n", first);
    printf("Save all of 20 files, later:                            %.1f ms\n", later);
    printf("bare saver, same 20 files:                              %.1f ms\n", bare);
    printf("Save all of 20 files and 10 changed Desc keys:          %.1f ms\n", withKeys);
    printf("ratio later / bare: %.2f (target at most 1.5); first / bare: %.2f; with the keys / bare: %.2f\n",
           later / bare, first / bare, withKeys / bare);
    return 0;
}
