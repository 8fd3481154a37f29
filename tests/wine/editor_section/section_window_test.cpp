// A section's window in the editor's real frame: its title marks unsaved
// edits until Save all, the right pane shows the item list or a form, and
// entries are renamed in the tree.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>
#include "editor/forms/section_forms.h"
#include "resources/editor/resource_ids.h"
#include "screenshot.h"
#include "section_frame_fixture.h"
#include "tests/support/box_answers.h"
#include "win32/module_path.h"

using namespace editor;

namespace {

const char kMenu[] = "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nPOPUP g\r\nBEGIN\r\nMENUITEM b.exe, b\r\nEND\r\nEND\r\n";

class SectionWindowTest : public editor_test::SectionFrameTest {
protected:
    void SetUp() override
    {
        Load(kMenu, [this](const Section& section, TreeUpdates& tree) {
            FormSettings shared{GetModuleHandleA(nullptr), settings->model(), settings->historyOf(section.id()),
                                settings->history(), {paths.settingsPath, "", ""}};
            return std::make_unique<SectionForms>(shared, section, tree);
        }, "POPUP m\r\nBEGIN\r\nMENUITEM c.exe, c\r\nPOPUP h\r\nBEGIN\r\nEND\r\nEND\r\n");
    }
    // A key pressed while the program's loop runs.
    void Press(UINT message, WPARAM key, LPARAM data = 0)
    {
        PostMessageA(GetFocus(), message, key, data);
        loop.Pump();
    }
    std::string Title()
    {
        frame->OnIdle();
        return testing_support::WindowText(window->handle());
    }
    // The list's rows: "text|description|image".
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        HWND list = window->list().handle();
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            char text[128] = "", description[128] = "";
            ListView_GetItemText(list, row, 0, text, sizeof text);
            ListView_GetItemText(list, row, 1, description, sizeof description);
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = row;
            ListView_GetItem(list, &item);
            rows.push_back(std::string(text) + "|" + description + "|" + std::to_string(item.iImage));
        }
        return rows;
    }
    bool Rename(HTREEITEM item, const char* text)
    {
        SetFocus(tree());
        HWND edit = TreeView_EditLabel(tree(), item);
        if (!edit)
            return false;
        SetWindowTextA(edit, text);
        TreeView_EndEditLabelNow(tree(), FALSE);
        return true;
    }
};

}  // namespace

TEST_F(SectionWindowTest, RootsShowTheItemListAndEntriesTheirForm)
{
    HWND list = window->list().handle();
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"左メニューの設定|左クリックメニュー用の設定をします|5",
                                                "右メニューの設定|右クリックメニュー用の設定をします|4",
                                                "タスクトレー|タスクトレーの表示に関する設定をします|2"}));
    EXPECT_EQ(window->list().hint(), "");
    window->pane().SelectTab(2);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(window->list().hint().substr(0, 10), "右クリック");
    TreeView_SelectItem(tree(), Node(2));  // the group
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(testing_support::WindowText(GetDlgItem(window->CurrentForm(), IDC_DESCRIPTION)), "h");
    TreeView_SelectItem(tree(), Node(0));
    EXPECT_TRUE(IsWindowVisible(list));
    window->pane().SelectTab(1);
    EXPECT_EQ(window->list().hint().substr(0, 10), "左クリック");
}

TEST_F(SectionWindowTest, EntriesAreRenamedInTheTreeAndNothingElseIs)
{
    EXPECT_FALSE(Rename(Node(1), "x"));  // an option node
    window->pane().SelectTab(1);
    EXPECT_FALSE(Rename(Node(0), "x"));  // the root
    EXPECT_TRUE(Rename(Node(1), "A"));   // the same text but for case
    EXPECT_FALSE(history().CanUndo());
    EXPECT_TRUE(Rename(Node(1), "Renamed a"));
    EXPECT_TRUE(Rename(Node(2), "Group"));
    EXPECT_EQ(Left().entries[0].text2, "Renamed a");
    EXPECT_EQ(Left().entries[0].text1, "a.exe");
    EXPECT_EQ(Left().entries[1].text1, "Group");
    EXPECT_EQ(Left().entries[1].submenu->entries.size(), 1u);
    EXPECT_EQ(Title(), "One *");
    history().Undo(settings->model());
    EXPECT_EQ(Left().entries[1].text1, "g");

    // A command while a name is being typed: the name reaches its own entry
    // before the tree is built again, not the node that takes its place.
    TreeView_SelectItem(tree(), Node(1));
    SetFocus(tree());
    SetWindowTextA(TreeView_EditLabel(tree(), Node(1)), "Typed");
    frame->Run(ID_MOVE_DOWN);
    TreeView_EndEditLabelNow(tree(), FALSE);
    EXPECT_EQ(Left().entries[0].text1, "g");
    EXPECT_EQ(Left().entries[1].text2, "Typed");
}

TEST_F(SectionWindowTest, TheTitleMarksEditsUntilSaveAllWhichWritesThemAndUndoAndRedoNameTheirStep)
{
    auto bytes = [&] {
        frame->Run(ID_SAVE_ALL);
        return testing_support::ReadMenuBody(menuPath());
    };
    EXPECT_EQ(Title(), "One");
    window->pane().SelectTab(1);
    EXPECT_FALSE(frame->StateOf(ID_EDIT_UNDO).enabled);
    TreeView_SelectItem(tree(), Node(2));  // the group
    frame->Run(ID_NEW_ITEM);
    EXPECT_EQ(Title(), "One *");
    EXPECT_TRUE(frame->StateOf(ID_SAVE_ALL).enabled);
    frame->Run(ID_EDIT_UNDO);
    const std::string original = bytes();
    EXPECT_EQ(Title(), "One");
    EXPECT_EQ(testing_support::ReadFileBytes(menuPath() + ".bak"), kMenu);
    frame->Run(ID_EDIT_REDO);
    frame->Run(ID_MOVE_UP);
    EXPECT_EQ(frame->StateOf(ID_EDIT_UNDO).prompt, "元に戻す: 移動");
    const std::string edited = bytes();
    EXPECT_EQ(edited.substr(edited.find("BEGIN")),
              "BEGIN\r\n    MENUITEM a.exe, a, , , 0\r\n    MENUITEM " + win32::ThisProgramPath() +
                  ", 新規メニュー, , , 0\r\n    POPUP g, , 0\r\n    BEGIN\r\n        MENUITEM b.exe, b, , , 0\r\n    END\r\nEND\r\n");

    window->pane().SelectTab(2);
    frame->Run(ID_EDIT_UNDO);  // shows the left menu again, the entry back in its place
    EXPECT_EQ(window->pane().side(), kLeft);
    EXPECT_EQ(window->pane().current(), (EntryPath{2}));
    EXPECT_EQ(frame->StateOf(ID_EDIT_UNDO).prompt, "元に戻す: 新規作成");
    EXPECT_EQ(frame->StateOf(ID_EDIT_REDO).prompt, "やり直し: 移動");
    frame->Run(ID_EDIT_UNDO);
    EXPECT_EQ(window->pane().current(), (EntryPath{1}));
    EXPECT_FALSE(frame->StateOf(ID_EDIT_UNDO).enabled);
    EXPECT_EQ(Title(), "One *");
    EXPECT_EQ(bytes(), original);
    frame->Run(ID_EDIT_REDO);
    frame->Run(ID_EDIT_REDO);
    EXPECT_EQ(bytes(), edited);
    EXPECT_FALSE(frame->StateOf(ID_EDIT_REDO).enabled);
}

TEST_F(SectionWindowTest, AWindowTooSmallForAFormGrowsWithinTheFrameAndTheFormTakesTheDialogKeys)
{
    auto placeIn = [](HWND window, HWND parent) {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    HWND client = GetParent(window->handle());
    MoveWindow(window->handle(), 30, 20, 200, 120, TRUE);
    window->pane().SelectTab(1);
    TreeView_SelectItem(tree(), Node(1));  // the file form, 250 by 190 units
    HWND form = window->CurrentForm();
    ASSERT_TRUE(form && IsWindowVisible(form));
    RECT formRect = placeIn(form, GetParent(form)), pane;
    GetClientRect(GetParent(form), &pane);
    EXPECT_TRUE(formRect.right <= pane.right && formRect.bottom <= pane.bottom);
    EXPECT_EQ(placeIn(window->handle(), client).left, 30);
    EXPECT_TRUE(dialogs_test::SaveScreenshot(frame->handle(), "section_window_grown.bmp"));

    // Its fields take the dialog keys; Enter writes the field.
    SetFocus(GetDlgItem(form, IDC_PATH_MENU));
    Press(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(form, IDC_FILE_DESCRIPTION));
    Press(WM_CHAR, 'Z');  // the text came selected with the focus
    EXPECT_EQ(Left().entries[0].text2, "a");
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Left().entries[0].text2, "Z");
    Press(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(window->CurrentForm(), form);
    EXPECT_TRUE(IsWindowVisible(form));

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Press(WM_KEYDOWN, VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), GetDlgItem(form, IDC_PATH_MENU));
    Press(WM_SYSCHAR, 'b', 1 << 29);  // Alt+B: 行を変えて表示する(&B)
    EXPECT_EQ(IsDlgButtonChecked(form, IDC_MENU_BREAK), BST_CHECKED);
    EXPECT_NE(Left().entries[0].flags & menufile::ITEM_MENUBREAK, 0u);

    RECT before;
    GetWindowRect(frame->handle(), &before);
    TreeView_SelectItem(tree(), Node(0));  // the list
    MoveWindow(frame->handle(), before.left, before.top, 400, 300, TRUE);
    MoveWindow(window->handle(), 30, 20, 100, 100, TRUE);
    TreeView_SelectItem(tree(), Node(1));
    RECT area, grown = placeIn(window->handle(), client);
    GetClientRect(client, &area);
    EXPECT_TRUE(EqualRect(&grown, &area)) << grown.left << "," << grown.top << " " << grown.right << "x" << grown.bottom;
    MoveWindow(frame->handle(), before.left, before.top, before.right - before.left, before.bottom - before.top, TRUE);
}

TEST_F(SectionWindowTest, TheTestDisplayShowsASidesMenuOrSaysItIsEmpty)
{
    EXPECT_TRUE(frame->StateOf(ID_TEST_LEFT).enabled);
    EXPECT_FALSE(frame->StateOf(ID_TEST_FORM).enabled);  // the options tab
    window->pane().SelectTab(1);
    EXPECT_TRUE(frame->StateOf(ID_TEST_FORM).enabled);
    settings->model().section(0).menu(kRight)->root()->entries.clear();

    // The ids of the open menu's items, and how many were grayed.
    std::vector<UINT> shownIds;
    int grayed = 0;
    testing_support::After(500, [&] {
        HWND menuWindow = FindWindowA("#32768", nullptr);
        HMENU menu = menuWindow ? reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0)) : nullptr;
        for (int position = 0; menu && position < GetMenuItemCount(menu); ++position) {
            shownIds.push_back(GetSubMenu(menu, position) ? 0 : GetMenuItemID(menu, position));
            grayed += (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) ? 1 : 0;
        }
        EndMenu();
    });
    frame->Run(ID_TEST_FORM);
    EXPECT_EQ(shownIds, (std::vector<UINT>{0x7000, 0}));  // a.exe and the group g of the left side
    EXPECT_EQ(grayed, 0);  // drawn as the resident draws them, whatever the frame's commands
    EXPECT_EQ(testing_support::AnswerBox(IDOK, [&] { frame->Run(ID_TEST_RIGHT); }),
              "メニューが一つも登録されていません。");
}
