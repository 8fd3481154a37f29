// Save all refuses a menu with a line the resident would read in pieces:
// the entry is named, the file stays as it was and the edit is kept.
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <iterator>
#include "tests/support/box_answers.h"
#include "editor/editor_settings.h"
#include "editor/section/menu_operations.h"
#include "settings/ini_file.h"
#include "tests/support/test_support.h"

using namespace editor;

TEST(OverlongSave, SaveAllNamesTheEntryAndKeepsTheEditAndTheFile)
{
    testing_support::TempFolder folder("overlong save");
    const std::string menuPath = folder / "left.txt";
    const std::string before = "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nEND\r\n";
    std::ofstream(menuPath, std::ios::binary) << before;
    settings::IniFile file(folder / "Ombrix.ini");
    file.WriteText("Main", "TrayNo", "1");
    file.WriteText("Section1", "Desc", "One");
    file.WriteText("Section1", "MenuPath_L", menuPath.c_str());
    file.WriteText("Section1", "MenuPath_R", menuPath.c_str());
    EditorSettings editor(GetModuleHandleA(nullptr), folder / "Ombrix.ini", folder.path(), [] { return HWND{}; });
    ASSERT_TRUE(editor.Load());
    Section& section = editor.model().section(0);
    MenuOperations edit(editor.model(), editor.historyOf(section.id()), section.id(), kLeft);
    std::string name = "long" + std::string(500, 'x');
    edit.SetDescription({0}, name);

    testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
    EXPECT_FALSE(editor.SaveAll());
    std::vector<std::string> texts = answers.Finish();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(name), std::string::npos);
    EXPECT_NE(texts[0].find(menuPath), std::string::npos);
    std::ifstream in(menuPath, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
    EXPECT_TRUE(section.menu(kLeft)->modified());
    EXPECT_EQ(section.menu(kLeft)->root()->entries[0].text2, name);
}
