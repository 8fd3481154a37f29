// A section's window in the editor's real frame: its title marks unsaved
// edits until Save all, the right pane shows the item list or a form, and
// entries are renamed in the tree.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>
#include "editor/editor_settings.h"
#include "editor/forms/section_forms.h"
#include "editor/main_frame.h"
#include "editor/section_menus_window.h"
#include "resources/editor/resource_ids.h"
#include "screenshot.h"
#include "settings/ini_file.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"

using namespace editor;
using testing_support::TempFolder;

namespace {

// What the test display showed: the ids of the open menu's items, and how
// many were grayed.
std::vector<UINT> shownIds;
int grayedItems = 0;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND menuWindow = FindWindowA("#32768", nullptr);
    HMENU menu = menuWindow ? reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0)) : nullptr;
    for (int position = 0; menu && position < GetMenuItemCount(menu); ++position) {
        shownIds.push_back(GetSubMenu(menu, position) ? 0 : GetMenuItemID(menu, position));
        grayedItems += (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) ? 1 : 0;
    }
    EndMenu();
}

// Stands in for the forms: a form for every entry node, none for the rest.
class RecordingForms : public FormPane {
public:
    explicit RecordingForms(std::vector<ChosenNode>& shown) : shown_(shown) {}
    HWND Create(HWND parent) override
    {
        return CreateWindowExA(0, "STATIC", "form", WS_CHILD, 0, 0, 0, 0, parent, nullptr, nullptr, nullptr);
    }
    bool Show(const ChosenNode& node) override
    {
        shown_.push_back(node);
        return !node.path.empty();
    }
    bool CommitEdits() override { return true; }

private:
    std::vector<ChosenNode>& shown_;
};

class SectionWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        paths = new EditorPaths(PathsForProgram(folder->path() + "Ombrixm.exe"));
        frame = new MainFrame(GetModuleHandleA(nullptr), *paths, *loop);
        ASSERT_TRUE(frame->Create());
        ShowWindow(frame->handle(), SW_SHOW);
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(frame->handle());
        delete frame;
        delete paths;
        // The frame ends the program's loop as it goes; the next suites show boxes.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    void SetUp() override
    {
        testing_support::WriteFileBytes(folder->path() + "left.txt",
                                        "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nPOPUP g\r\nBEGIN\r\n"
                                        "MENUITEM b.exe, b\r\nEND\r\nEND\r\n");
        settings::IniFile file(paths->settingsPath);
        file.WriteText("Main", "TrayNo", "1");
        file.WriteText("Section1", "Desc", "One");
        file.WriteText("Section1", "MenuPath_L", (folder->path() + "left.txt").c_str());
        file.WriteText("Section1", "MenuPath_R", (folder->path() + "left.txt").c_str());
        settings = std::make_unique<EditorSettings>(GetModuleHandleA(nullptr), paths->settingsPath, folder->path(),
                                                    [] { return frame->handle(); });
        ASSERT_TRUE(settings->Load());
        frame->SetSaving(settings.get());
        Open([this](const Section&, TreeUpdates&) { return std::make_unique<RecordingForms>(forms); });
        ASSERT_NE(window, nullptr);
    }
    void Open(FormPaneFactory makeForms)
    {
        Section& section = settings->model().section(0);
        window = static_cast<SectionMenusWindow*>(frame->windows().OpenOrActivate(
            WindowKind::Section, &section, "One", [&] {
                return std::make_unique<SectionMenusWindow>(GetModuleHandleA(nullptr), settings->model(),
                                                            settings->historyOf(section.id()), section, makeForms);
            }));
    }
    void OpenWithForms()
    {
        window->Destroy();
        Open([this](const Section& section, TreeUpdates& tree) {
            FormSettings shared{GetModuleHandleA(nullptr), settings->model(), settings->historyOf(section.id()),
                                settings->history(), {paths->settingsPath, "", ""}};
            return std::make_unique<SectionForms>(shared, section, tree);
        });
    }
    // A key pressed while the program's loop runs.
    void Press(UINT message, WPARAM key, LPARAM data = 0)
    {
        PostMessageA(GetFocus(), message, key, data);
        loop->Pump();
    }
    void TearDown() override
    {
        for (ChildWindow* open : frame->windows().All())
            open->Destroy();
        frame->SetSaving(nullptr);
        settings.reset();
        DeleteFileA(paths->settingsPath.c_str());
    }

    std::string Title()
    {
        frame->OnIdle();
        return testing_support::WindowText(window->handle());
    }
    HWND tree() { return window->pane().tree().handle(); }
    // The n-th visible node of the tree, the root being 0.
    HTREEITEM Node(int n)
    {
        HTREEITEM item = TreeView_GetRoot(tree());
        while (item && n-- > 0)
            item = TreeView_GetNextVisible(tree(), item);
        return item;
    }

    static inline TempFolder* folder = new TempFolder("section window");
    static inline win32::MessageLoop* loop = new win32::MessageLoop;
    static inline EditorPaths* paths = nullptr;
    static inline MainFrame* frame = nullptr;
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
    menufile::MenuList& Left() { return *settings->model().section(0).menu(kLeft)->root(); }

    std::vector<ChosenNode> forms;
    std::unique_ptr<EditorSettings> settings;
    SectionMenusWindow* window = nullptr;
};

}  // namespace

TEST_F(SectionWindowTest, TheTitleMarksEditsUntilSaveAll)
{
    EXPECT_EQ(Title(), "One");
    window->pane().SelectTab(1);
    TreeView_SelectItem(tree(), Node(1));
    frame->Run(ID_MOVE_DOWN);
    EXPECT_EQ(Title(), "One *");
    EXPECT_TRUE(frame->StateOf(ID_SAVE_ALL).enabled);
    frame->Run(ID_SAVE_ALL);
    EXPECT_EQ(Title(), "One");
    settings->historyOf(settings->model().section(0).id()).Undo(settings->model());
    EXPECT_EQ(Title(), "One *");
}

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
    EXPECT_EQ(forms.back().kind, kGroupNode);
    EXPECT_EQ(forms.back().side, kRight);
    EXPECT_EQ(forms.back().path, EntryPath{1});
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
    EXPECT_FALSE(settings->historyOf(settings->model().section(0).id()).CanUndo());
    EXPECT_TRUE(Rename(Node(1), "Renamed a"));
    EXPECT_TRUE(Rename(Node(2), "Group"));
    EXPECT_EQ(Left().entries[0].text2, "Renamed a");
    EXPECT_EQ(Left().entries[0].text1, "a.exe");
    EXPECT_EQ(Left().entries[1].text1, "Group");
    EXPECT_EQ(Left().entries[1].submenu->entries.size(), 1u);
    EXPECT_EQ(Title(), "One *");
    settings->historyOf(settings->model().section(0).id()).Undo(settings->model());
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

TEST_F(SectionWindowTest, UndoAndRedoNameTheirStepShowTheEntryAndSaveTheOldBytes)
{
    auto bytes = [&] {
        frame->Run(ID_SAVE_ALL);
        return testing_support::ReadMenuBody(folder->path() + "left.txt");
    };
    window->pane().SelectTab(1);
    EXPECT_FALSE(frame->StateOf(ID_EDIT_UNDO).enabled);
    TreeView_SelectItem(tree(), Node(2));  // the group
    frame->Run(ID_NEW_ITEM);
    frame->Run(ID_EDIT_UNDO);
    const std::string original = bytes();
    frame->Run(ID_EDIT_REDO);
    frame->Run(ID_MOVE_UP);
    EXPECT_EQ(frame->StateOf(ID_EDIT_UNDO).prompt, "元に戻す: 移動");
    const std::string edited = bytes();
    EXPECT_NE(edited, original);

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

TEST_F(SectionWindowTest, FormFieldsTakeTheDialogKeysAndEnterWritesTheField)
{
    OpenWithForms();
    window->pane().SelectTab(1);
    TreeView_SelectItem(tree(), Node(1));  // a.exe: the file form
    HWND form = window->CurrentForm();
    ASSERT_TRUE(form && IsWindowVisible(form));
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
}

TEST_F(SectionWindowTest, AWindowTooSmallForAFormGrowsWithinTheFrame)
{
    auto placeIn = [](HWND window, HWND parent) {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    OpenWithForms();
    HWND client = GetParent(window->handle());
    MoveWindow(window->handle(), 30, 20, 200, 120, TRUE);
    window->pane().SelectTab(1);
    TreeView_SelectItem(tree(), Node(1));  // the file form, 250 by 190 units
    HWND form = window->CurrentForm();
    RECT formRect = placeIn(form, GetParent(form)), pane;
    GetClientRect(GetParent(form), &pane);
    EXPECT_TRUE(formRect.right <= pane.right && formRect.bottom <= pane.bottom);
    EXPECT_EQ(placeIn(window->handle(), client).left, 30);
    EXPECT_TRUE(dialogs_test::SaveScreenshot(frame->handle(), "section_window_grown.bmp"));

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

    shownIds.clear();
    SetTimer(nullptr, 0, 500, &ReadAndCloseMenu);
    frame->Run(ID_TEST_FORM);
    EXPECT_EQ(shownIds, (std::vector<UINT>{0x7000, 0}));  // a.exe and the group g of the left side
    EXPECT_EQ(grayedItems, 0);  // drawn as the resident draws them, whatever the frame's commands
    EXPECT_EQ(testing_support::AnswerBox(IDOK, [&] { frame->Run(ID_TEST_RIGHT); }),
              "メニューが一つも登録されていません。");
}
