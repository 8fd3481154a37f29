// The management tree in the editor's real frame: its items, the enabling
// of the section commands, windows that belong to a section whatever its
// name, and the questions of Delete and Rename.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include "editor/editor_settings.h"
#include "editor/forms/section_forms.h"
#include "editor/main_frame.h"
#include "editor/manage_tree_bar.h"
#include "editor/section_menus_window.h"
#include "resources/editor/resource_ids.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"

using namespace editor;
using testing_support::Answer;
using testing_support::BoxAnswers;
using testing_support::TempFolder;

namespace {

class ManageTree : public ::testing::Test {
protected:
    // One frame for the whole group: its window class is registered once.
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
    }

    void SetUp() override
    {
        settings::IniFile file(paths->settingsPath);
        file.WriteText("Main", "TrayNo", "3");
        const char* names[] = {"Alpha", "Same", "SAME"};
        for (int n = 1; n <= 3; ++n)
            file.WriteText(settings::SectionName(n).c_str(), "Desc", names[n - 1]);
        CreateDirectoryA((folder->path() + "work").c_str(), nullptr);
        model = std::make_unique<EditorSettings>(GetModuleHandleA(nullptr), paths->settingsPath,
                                                 folder->path() + "work\\", [] { return frame->handle(); });
        ASSERT_TRUE(model->Load());
        bar = std::make_unique<ManageTreeBar>(GetModuleHandleA(nullptr), *model, frame->windows(), nullptr,
                                              [this](Section& s) { return MakeWindow(s); });
        ASSERT_TRUE(bar->CreateTree(frame->treeBar()));
        frame->SetTreeBarTarget(bar.get());
        frame->SetSaving(model.get());
    }
    void TearDown() override
    {
        for (ChildWindow* window : frame->windows().All())
            window->Destroy();
        frame->SetTreeBarTarget(nullptr);
        frame->SetSaving(nullptr);
        bar.reset();
        model.reset();
        DeleteFileA(paths->settingsPath.c_str());
    }

    std::unique_ptr<SectionMenusWindow> MakeWindow(Section& section)
    {
        FormSettings shared{GetModuleHandleA(nullptr), model->model(), model->historyOf(section.id()),
                            model->history(), {paths->settingsPath, "", ""}};
        return std::make_unique<SectionMenusWindow>(
            GetModuleHandleA(nullptr), model->model(), model->historyOf(section.id()), section,
            [shared](const Section& shown, TreeUpdates& tree) {
                return std::make_unique<SectionForms>(shared, shown, tree);
            });
    }
    HWND tree() const { return bar->tree(); }
    HTREEITEM Root() const { return TreeView_GetRoot(tree()); }
    // The n-th child of the root: 0 the options, 1 the first section.
    HTREEITEM Child(int n) const
    {
        HTREEITEM item = TreeView_GetChild(tree(), Root());
        while (item && n-- > 0)
            item = TreeView_GetNextSibling(tree(), item);
        return item;
    }
    TVITEMA Item(HTREEITEM item) const
    {
        TVITEMA data = {TVIF_TEXT | TVIF_IMAGE, item};
        data.pszText = text_;
        data.cchTextMax = sizeof text_;
        TreeView_GetItem(tree(), &data);
        return data;
    }
    std::string Text(HTREEITEM item) const { return Item(item).pszText; }
    int Image(HTREEITEM item) const { return Item(item).iImage; }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (HTREEITEM item = Child(0); item; item = TreeView_GetNextSibling(tree(), item))
            texts.push_back(Text(item));
        return texts;
    }
    // Which of New, Open, Up, Down, Duplicate, Rename, Delete are enabled.
    std::string Enabled(HTREEITEM item)
    {
        TreeView_SelectItem(tree(), item);
        std::string flags;
        for (int id : {ID_SECTION_NEW, ID_SECTION_OPEN, ID_SECTION_UP, ID_SECTION_DOWN, ID_SECTION_DUPLICATE,
                       ID_SECTION_RENAME, ID_SECTION_DELETE})
            flags += frame->StateOf(id).enabled ? "1" : "0";
        return flags;
    }
    ChildWindow* Open(int n)
    {
        TreeView_SelectItem(tree(), Child(n));
        frame->Run(ID_SECTION_OPEN);
        return frame->windows().FromHandle(frame->ActiveChild());
    }

    static inline TempFolder* folder = new TempFolder("editor tree");
    static inline win32::MessageLoop* loop = new win32::MessageLoop;
    static inline EditorPaths* paths = nullptr;
    static inline MainFrame* frame = nullptr;
    std::unique_ptr<EditorSettings> model;
    std::unique_ptr<ManageTreeBar> bar;
    mutable char text_[260] = "";
};

}  // namespace

TEST_F(ManageTree, ItemsInOrderAndCommandsEnabledByTheSelection)
{
    EXPECT_EQ(Text(Root()), "Q-Fendix");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"オプション", "Alpha", "Same", "SAME"}));
    EXPECT_EQ(Enabled(Root()), "1000000");
    EXPECT_EQ(Enabled(Child(0)), "1100000");
    EXPECT_EQ(Enabled(Child(1)), "1101111");
    EXPECT_EQ(Enabled(Child(2)), "1111111");
    EXPECT_EQ(Enabled(Child(3)), "1110111");
}

// Sections with one icon share an image; a changed icon must not repaint
// the sections that had the same face.
TEST_F(ManageTree, AChangedIconLeavesTheSectionsThatSharedItsImage)
{
    EXPECT_EQ(Image(Child(1)), Image(Child(2)));
    EXPECT_EQ(Image(Child(2)), Image(Child(3)));
    int shared = Image(Child(1));
    for (size_t position : {size_t{1}, size_t{2}}) {
        Section& section = model->model().section(position);
        SectionValues values = section.values();
        values.normalIconFile = "shell32.dll";
        values.normalIconNumber = 3;
        section.set_values(values);
        SendMessageA(frame->treeBar().handle(), UM_SECTION_CHANGED, position, reinterpret_cast<LPARAM>(&section));
    }
    EXPECT_EQ(Image(Child(1)), shared);
    EXPECT_NE(Image(Child(2)), shared);
    EXPECT_EQ(Image(Child(3)), Image(Child(2)));
}

// That windows are found by their section, not by its name, is the frame
// test's.
TEST_F(ManageTree, OpenGivesTheSectionsWindowAndSelectingActivatesIt)
{
    ChildWindow* same = Open(2);
    Open(3);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->subject(), &model->model().section(1));
    TreeView_SelectItem(tree(), Child(2));
    EXPECT_EQ(frame->ActiveChild(), same->handle());
}

TEST_F(ManageTree, DeleteAsksFirstThenClosesTheWindowAndSelectsThePreviousItem)
{
    Open(1);
    TreeView_SelectItem(tree(), Child(1));
    auto remove = [&] { frame->Run(ID_SECTION_DELETE); };
    EXPECT_EQ(testing_support::AnswerBox(IDCANCEL, remove), "Alphaを削除しますか?");
    EXPECT_EQ(model->model().size(), 3u);
    testing_support::AnswerBox(IDOK, remove);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"オプション", "Same", "SAME"}));
    EXPECT_EQ(TreeView_GetSelection(tree()), Child(0));
    EXPECT_TRUE(frame->windows().All().empty());
    EXPECT_TRUE(model->IsModified());
}

TEST_F(ManageTree, RenameRefusesAnotherSectionsNameAndRetitlesTheWindow)
{
    ChildWindow* window = Open(1);
    auto rename = [&](const char* text) {
        SetFocus(tree());
        HWND edit = TreeView_EditLabel(tree(), Child(1));
        SetWindowTextA(edit, text);
        TreeView_EndEditLabelNow(tree(), FALSE);
    };
    {
        BoxAnswers answers(std::vector<Answer>{{IDOK, ""}});
        rename("same");
        testing_support::WaitFor([&] { return answers.Done(); }, 20000);
        EXPECT_EQ(answers.Finish(), std::vector<std::string>{"sameと同じ名前が既にあります"});
    }
    EXPECT_EQ(Text(Child(1)), "Alpha");
    rename("Beta");
    EXPECT_EQ(Text(Child(1)), "Beta");
    EXPECT_EQ(testing_support::WindowText(window->handle()), "Beta");
    EXPECT_EQ(model->model().section(0).values().description, "Beta");
}

TEST_F(ManageTree, NewDuplicateAndMovesChangeTheListAndLeaveNoTemporaryFile)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    auto temporaryFiles = [&] { return testing_support::FileNames(std::string(temp) + "~qf*").size(); };
    size_t before = temporaryFiles();
    TreeView_SelectItem(tree(), Child(2));
    frame->Run(ID_SECTION_DUPLICATE);
    frame->Run(ID_SECTION_NEW);
    EXPECT_EQ(temporaryFiles(), before);
    std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_NE(texts[4], texts[5]);
    EXPECT_EQ(TreeView_GetSelection(tree()), Child(5));
    frame->Run(ID_SECTION_UP);
    EXPECT_EQ(Text(Child(4)), texts[5]);
    EXPECT_EQ(TreeView_GetSelection(tree()), Child(4));
    EXPECT_TRUE(frame->StateOf(ID_SAVE_ALL).enabled);
}

TEST_F(ManageTree, SectionCommandsUndoInTheFrameAndAWindowKeepsItsOwnSteps)
{
    ChildWindow* window = Open(3);
    SetFocus(tree());
    TreeView_SelectItem(tree(), Child(1));
    frame->Run(ID_SECTION_DOWN);
    {
        BoxAnswers answers(std::vector<Answer>{{IDOK, ""}});
        TreeView_SelectItem(tree(), Child(3));
        frame->Run(ID_SECTION_DELETE);  // SAME, whose window is open
        answers.Finish();
    }
    EXPECT_EQ(frame->StateOf(ID_EDIT_UNDO).prompt, "元に戻す: 削除");
    SetFocus(tree());
    frame->Run(ID_EDIT_UNDO);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"オプション", "Same", "Alpha", "SAME"}));
    EXPECT_EQ(TreeView_GetSelection(tree()), Child(3));
    EXPECT_EQ(frame->StateOf(ID_EDIT_REDO).prompt, "やり直し: 削除");
    window = Open(3);
    SetFocus(tree());
    frame->Run(ID_EDIT_REDO);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"オプション", "Same", "Alpha"}));
    EXPECT_TRUE(frame->windows().All().empty()) << "the window of a section taken out by redo";
    frame->Run(ID_EDIT_UNDO);
    frame->Run(ID_EDIT_UNDO);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"オプション", "Alpha", "Same", "SAME"}));
    EXPECT_FALSE(frame->StateOf(ID_EDIT_UNDO).enabled);

    window = Open(1);
    SetFocus(window->handle());  // a window's undo is its own: nothing yet
    frame->Run(ID_SECTION_DOWN);
    EXPECT_FALSE(frame->StateOf(ID_EDIT_UNDO).enabled);
    SetFocus(tree());
    EXPECT_EQ(frame->StateOf(ID_EDIT_UNDO).prompt, "元に戻す: 移動");
}

TEST_F(ManageTree, UndoingAllMenusTheSameShowsTheOldValuesInTheOpenOptionForms)
{
    auto leftOptions = [](ChildWindow* window) {
        auto* section = static_cast<SectionMenusWindow*>(window);
        HWND menuTree = section->pane().tree().handle();
        TreeView_SelectItem(menuTree, TreeView_GetNextVisible(menuTree, TreeView_GetRoot(menuTree)));
        return section->CurrentForm();
    };
    HWND first = leftOptions(Open(1));
    HWND second = leftOptions(Open(2));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(IsDlgButtonChecked(second, IDC_SMALL_ICONS), BST_CHECKED);
    SendDlgItemMessageA(first, IDC_LARGE_ICONS, BM_CLICK, 0, 0);
    SendDlgItemMessageA(first, IDC_ALL_MENUS_SAME, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(second, IDC_LARGE_ICONS), BST_CHECKED);
    SetFocus(tree());
    ASSERT_TRUE(frame->Run(ID_EDIT_UNDO));
    EXPECT_EQ(IsDlgButtonChecked(second, IDC_SMALL_ICONS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(second, IDC_LARGE_ICONS), BST_UNCHECKED);
    ASSERT_TRUE(frame->Run(ID_EDIT_REDO));
    EXPECT_EQ(IsDlgButtonChecked(second, IDC_LARGE_ICONS), BST_CHECKED);
}
