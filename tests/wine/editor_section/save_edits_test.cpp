// Edits made through the tree's commands reach the menu file at Save all,
// byte for byte.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include "editor/editor_settings.h"
#include "editor/section/menu_pane.h"
#include "resources/editor/resource_ids.h"
#include "settings/ini_file.h"
#include "tests/support/test_support.h"

using namespace editor;

using testing_support::ReadFileBytes;

TEST(SaveEdits, CommandsThenSaveAllWriteTheEditedMenu)
{
    testing_support::TempFolder folder("section save");
    const std::string menuPath = folder / "left.txt";
    ASSERT_TRUE(testing_support::WriteFileBytes(
        menuPath, "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nPOPUP g\r\nBEGIN\r\nMENUITEM b.exe, b\r\nEND\r\n"
                  "MENUITEM c.exe, c\r\nEND\r\n"));
    settings::IniFile file(folder / "Ombrix.ini");
    file.WriteText("Main", "TrayNo", "1");
    file.WriteText("Section1", "Desc", "One");
    file.WriteText("Section1", "MenuPath_L", menuPath.c_str());
    file.WriteText("Section1", "MenuPath_R", menuPath.c_str());
    EditorSettings editor(GetModuleHandleA(nullptr), folder / "Ombrix.ini", folder.path(), [] { return HWND{}; });
    ASSERT_TRUE(editor.Load());

    HWND host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
    MenuPane pane(GetModuleHandleA(nullptr), editor.model(), editor.history(), editor.model().section(0), host);
    ASSERT_TRUE(pane.Create(host));
    pane.SelectTab(1);
    HWND tree = pane.tree().handle();
    TreeView_SelectItem(tree, TreeView_GetNextVisible(tree, TreeView_GetNextVisible(tree, TreeView_GetRoot(tree))));
    pane.RunCommand(ID_MOVE_DOWN);   // g below c
    pane.RunCommand(ID_NEW_TITLE);   // after g
    pane.RunCommand(ID_MOVE_UP);     // the title above g
    ASSERT_TRUE(editor.SaveAll());
    DestroyWindow(host);

    std::string written = ReadFileBytes(menuPath);
    size_t begin = written.find("BEGIN\r\n");
    ASSERT_NE(begin, std::string::npos);
    const std::string title = "\x90V\x8BK\x83^\x83" "C\x83g\x83\x8B";  // 新規タイトル
    EXPECT_EQ(written.substr(begin), "BEGIN\r\n    MENUITEM a.exe, a, , , 0\r\n    MENUITEM c.exe, c, , , 0\r\n"
                                     "    STATIC " + title + ", " + title + ", , , 0\r\n    POPUP g, , 0\r\n"
                                     "    BEGIN\r\n        MENUITEM b.exe, b, , , 0\r\n    END\r\nEND\r\n");
    EXPECT_FALSE(editor.model().section(0).menu(kLeft)->modified());
    EXPECT_EQ(ReadFileBytes(menuPath + ".bak").substr(0, 7), "POPUP m");
}
