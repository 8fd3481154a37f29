// The entry forms on real controls: what each shows for a shortcut, a
// program, a special folder and a missing path; which edits reach the
// model; the changes of kind with OK and Cancel; a refused depth.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <memory>
#include <string>
#include <vector>
#include "modal_script.h"
#include "screenshot.h"
#include "editor/forms/entry_form.h"
#include "editor/forms/section_forms.h"
#include "resources/editor/resource_ids.h"
#include "shellfiles/shortcut.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/module_path.h"

using namespace editor;

namespace {

struct SilentReports : MenuReports {
    void StatementError(const std::string&, int, const menufile::ReportArgs&) override {}
    void FileError(const std::string&, menufile::FileFailure, int) override {}
};

struct HostCalls : FormHost {
    std::vector<EntryPath> changed, replaced;
    void EntryChanged(const EntryPath& path) override { changed.push_back(path); }
    void EntryReplaced(const EntryPath& path) override { replaced.push_back(path); }
};

class EntryFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        self = win32::ThisProgramPath();
        link = folder / "self.lnk";
        win32::UniqueItemIdList target(ILCreateFromPathA(self.c_str()));
        ASSERT_TRUE(shellfiles::CreateShortcut(link, target.get()));
        model.Insert(0, std::make_unique<Section>(1, SectionValues{}));
        auto menu = std::make_unique<EditMenuFile>("", reports);
        ASSERT_TRUE(menu->LoadBytes("POPUP m\r\nBEGIN\r\nMENUITEM \"" + link + "\", short\r\nMENUITEM \"" + self +
                                    "\", prog, -p\r\nMENUITEM &#17, drives, , , 0, SHOWFOLDER, 3\r\n"
                                    "MENUITEM c:\\missing\\none.exe\r\nPOPUP g\r\nBEGIN\r\nSEPARATOR\r\nEND\r\n"
                                    "STATIC t\r\nSEPARATOR s\r\nEND\r\n"));
        section().set_menu(kLeft, std::move(menu));
        context.reset(new FormContext{GetModuleHandleA(nullptr), model, history, history, section(), calls,
                                      {"", "", "C:\\Tools\\Ombrixm.exe"}});
        host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr,
                               nullptr, nullptr);
    }
    void TearDown() override
    {
        form.reset();
        DestroyWindow(host);
    }
    Section& section() { return model.section(0); }
    menufile::MenuEntry& At(const EntryPath& path) { return *EntryAt(*section().menu(kLeft)->root(), path); }
    void Open(FormKind kind, const EntryPath& path)
    {
        form.reset();
        form = std::make_unique<EntryForm>(*context, kind);
        ASSERT_TRUE(form->Create(host));
        form->Show({kLeft, path});
    }
    std::string Text(int id) { return testing_support::WindowText(GetDlgItem(form->handle(), id)); }
    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(form->handle(), id)) != FALSE; }
    bool Checked(int id) { return IsDlgButtonChecked(form->handle(), id) == BST_CHECKED; }
    void Type(int id, const std::string& text)
    {
        SetDlgItemTextA(form->handle(), id, text.c_str());
        SendMessageA(form->handle(), WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(GetDlgItem(form->handle(), id)));
    }
    void Click(int id) { SendDlgItemMessageA(form->handle(), id, BM_CLICK, 0, 0); }

    win32::ComScope com;
    testing_support::TempFolder folder{"entry forms"};
    std::string self, link;
    SilentReports reports;
    SettingsModel model;
    ChangeHistory history;
    HostCalls calls;
    HWND host = nullptr;
    std::unique_ptr<FormContext> context;
    std::unique_ptr<EntryForm> form;
};

}  // namespace

TEST_F(EntryFormTest, EachFormShowsItsEntry)
{
    struct Row {
        FormKind kind;
        EntryPath path;
        std::vector<std::pair<int, std::string>> shown;  // control, text
        bool folderBox;
    };
    const std::string missing = "\x83t\x83@\x83" "C\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
    const Row rows[] = {
        {FormKind::ShortcutItem, {0}, {{IDC_LINK_TARGET, self}}, false},
        {FormKind::FileItem, {1}, {{IDC_PARAMETERS, "-p"}}, false},
        {FormKind::FileItem, {2}, {{IDC_FILE_DESCRIPTION, "drives"}, {IDC_FOLDER_DEPTH, "3"}}, true},
        {FormKind::FileItem, {3},
         {{IDC_FILE_TYPE, missing}, {IDC_FILE_NOTE, missing}, {IDC_OPEN_COMMAND, ""}}, false},
        {FormKind::Group, {4}, {{IDC_DESCRIPTION, "g"}}, false},
        {FormKind::Title, {5}, {{IDC_DESCRIPTION, "t"}}, false},
        {FormKind::Separator, {6}, {{IDC_DESCRIPTION, "s"}}, false},
    };
    int shot = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path[0]);
        Open(row.kind, row.path);
        ShowWindow(form->handle(), SW_SHOW);
        EXPECT_TRUE(dialogs_test::SaveScreenshot(host, "entry_form_" + std::to_string(shot++) + ".bmp"));
        for (const auto& [field, shown] : row.shown)
            EXPECT_EQ(Text(field), shown);
        EXPECT_EQ(Enabled(IDC_SHOW_FOLDER), row.folderBox);
    }
    Open(FormKind::ShortcutItem, {0});
    EXPECT_NE(Text(IDC_SHORTCUT_NOTE), missing);
    Open(FormKind::FileItem, {2});  // the folder box ticked with its depth
    EXPECT_TRUE(Checked(IDC_SHOW_FOLDER));
    EXPECT_TRUE(Enabled(IDC_FOLDER_DEPTH));
    Click(IDC_SHOW_FOLDER);
    EXPECT_FALSE(Enabled(IDC_FOLDER_DEPTH));
    EXPECT_EQ(At({2}).flags, 3u << 16);
    EXPECT_TRUE(calls.changed.size() == 1 && calls.changed[0] == EntryPath{2});
}

TEST_F(EntryFormTest, OnlyAChangedTextReachesTheModel)
{
    Open(FormKind::FileItem, {1});
    Type(IDC_FILE_DESCRIPTION, "PROG");  // only the case differs
    Type(IDC_PARAMETERS, "-p");
    EXPECT_FALSE(section().menu(kLeft)->modified());
    EXPECT_TRUE(calls.changed.empty());
    Type(IDC_FILE_DESCRIPTION, "program");
    Type(IDC_PARAMETERS, "-q x");
    EXPECT_EQ(At({1}).text2, "program");
    EXPECT_EQ(At({1}).parameters, "-q x");
    EXPECT_TRUE(section().menu(kLeft)->modified());
    Open(FormKind::Group, {4});
    SetDlgItemTextA(form->handle(), IDC_DESCRIPTION, "group");  // no focus lost: the commit writes it
    EXPECT_TRUE(form->Commit());
    EXPECT_EQ(At({4}).text1, "group");
    EXPECT_EQ(At({4}).submenu->entries.size(), 1u);
    SendMessageA(form->handle(), WM_COMMAND, IDC_MENU_BREAK, 0);  // a group has no such box: nothing happens
    EXPECT_EQ(At({4}).flags, menufile::ITEM_POPUP);
    EXPECT_EQ(calls.changed.size(), 3u);
}

TEST_F(EntryFormTest, AChangeOfKindIsAskedAndCancelChangesNothing)
{
    Open(FormKind::Group, {4});
    auto before = menufile::CopyTree(*section().menu(kLeft)->root());
    {
        testing_support::BoxAnswers answers({testing_support::Answer{IDCANCEL, ""}});
        SendMessageA(form->handle(), WM_COMMAND, ID_TO_SEPARATOR, 0);  // a group's form offers none
        Open(FormKind::Title, {5});
        Click(IDC_TO_GROUP);
        EXPECT_EQ(answers.Finish().size(), 1u);
    }
    EXPECT_TRUE(menufile::SameTree(*section().menu(kLeft)->root(), *before));
    EXPECT_TRUE(calls.replaced.empty());
    struct Change {
        FormKind form;
        EntryPath path;
        int button;
        uint32_t flags;
    };
    for (Change change : {Change{FormKind::Title, {5}, IDC_TO_ITEM, 0u},
                          Change{FormKind::FileItem, {2}, IDC_TO_SEPARATOR, menufile::ITEM_SEPARATOR},
                          Change{FormKind::Separator, {6}, IDC_TO_GROUP, menufile::ITEM_POPUP}}) {
        Open(change.form, change.path);
        testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
        Click(change.button);
        ASSERT_EQ(answers.Finish().size(), 1u);
        EXPECT_EQ(At(change.path).flags, change.flags);
        EXPECT_EQ(calls.replaced.back(), change.path);
    }
    EXPECT_EQ(At({5}).text1, "C:\\Tools\\Ombrixm.exe");  // the editor's own program, from the form's paths
}

TEST_F(EntryFormTest, ADepthOutOfRangeIsRefusedAndKeepsTheFocus)
{
    Open(FormKind::FileItem, {2});
    SetForegroundWindow(host);
    SetDlgItemTextA(form->handle(), IDC_FOLDER_DEPTH, "300");
    EXPECT_EQ(At({2}).FolderOption(), 3);
    testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
    EXPECT_FALSE(form->Commit());
    EXPECT_EQ(answers.Finish(),
              std::vector<std::string>{"0 \x82\xA9\x82\xE7 255 \x82\xDC\x82\xC5\x82\xCC\x90\xAE\x90\x94\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81" "B"});
    EXPECT_EQ(GetFocus(), GetDlgItem(form->handle(), IDC_FOLDER_DEPTH));
    SetDlgItemTextA(form->handle(), IDC_FOLDER_DEPTH, "255");
    EXPECT_TRUE(form->Commit());
    EXPECT_EQ(At({2}).FolderOption(), 255);
}

// Typed digits are one step when the focus leaves; the arrows write at once.
TEST_F(EntryFormTest, ADepthTypedIsOneStepWrittenWhenTheFocusLeaves)
{
    Open(FormKind::FileItem, {2});
    SetForegroundWindow(host);
    HWND depth = GetDlgItem(form->handle(), IDC_FOLDER_DEPTH);
    SetFocus(depth);
    size_t steps = history.size();
    for (const char* typed : {"2", "25", "255"})
        SetWindowTextA(depth, typed);
    EXPECT_EQ(At({2}).FolderOption(), 3);
    SetFocus(host);
    EXPECT_EQ(At({2}).FolderOption(), 255);
    EXPECT_EQ(history.size(), steps + 1);
    SendDlgItemMessageA(form->handle(), IDC_FOLDER_DEPTH_SPIN, UDM_SETPOS32, 0, 7);
    EXPECT_EQ(At({2}).FolderOption(), 7);
}

TEST_F(EntryFormTest, TheIconChooserStartsOnTheEntrysIconElseWhatItsPathShowsElseTheNewestFile)
{
    const std::string shell32 = testing_support::SystemFile("SHELL32.dll");
    const std::string notepad = testing_support::SystemFile("notepad.exe");
    testing_support::WriteShortcut(folder / "icon.lnk", win32::ShortcutData{self, "", "", "", shell32, 7});
    using testing_support::ClassesKey;
    ClassesKey doc(".ombrixdoc", "Ombrix.TestDoc"), docIcon("Ombrix.TestDoc\\DefaultIcon", (shell32 + ",9").c_str());
    ClassesKey run(".ombrixrun", "Ombrix.TestRun"),
        runCommand("Ombrix.TestRun\\shell\\open\\command", ("\"" + self + "\" %1").c_str());
    ASSERT_TRUE(doc.set() && docIcon.set() && run.set() && runCommand.set());
    testing_support::WriteFileBytes(folder / "Ombrix.ini", "[IconLocation]\r\nFile1=c:\\gone.ico\r\nFile2=" + notepad +
                                                               "\r\nFile3=" + shell32 + "\r\n");
    context->paths.settingsPath = folder / "Ombrix.ini";
    auto& entries = section().menu(kLeft)->root()->entries;
    for (const char* path : {"a.ombrixdoc", "b.ombrixrun", "own.exe"})
        entries.emplace_back().text1 = path;
    entries.back().iconPath = shell32;
    entries.back().iconNumber = 5;
    entries.emplace_back().text1 = folder / "icon.lnk";
    struct Row {
        FormKind kind;
        EntryPath path;
        std::string file;
        int selected;
    };
    // The chooser puts the file it started on at the head of its history.
    const Row rows[] = {
        {FormKind::FileItem, {2}, notepad, 0},  // "&#17"
        {FormKind::FileItem, {3}, notepad, 0},      {FormKind::Group, {4}, notepad, 0},
        {FormKind::ShortcutItem, {0}, self, 0},     {FormKind::ShortcutItem, {10}, shell32, 7},
        {FormKind::FileItem, {1}, self, 0},         {FormKind::FileItem, {7}, shell32, 9},
        {FormKind::FileItem, {8}, self, 0},         {FormKind::FileItem, {9}, shell32, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path[0]);
        Open(row.kind, row.path);
        std::string file;
        LRESULT selected = -2;
        dialogs_test::ModalScript script;
        script.Then([&] {
            HWND chooser = dialogs_test::FindDialog();
            if (!chooser)
                return false;
            file = dialogs_test::ItemText(chooser, IDC_ICON_FILE);
            selected = SendDlgItemMessageA(chooser, IDC_ICON_LIST, LB_GETCURSEL, 0, 0);
            PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
            return true;
        });
        script.Start();
        Click(IDC_ICON_BUTTON);
        EXPECT_TRUE(script.finished());
        EXPECT_STRCASEEQ(file.c_str(), row.file.c_str());
        EXPECT_EQ(selected, row.selected);
    }
}

namespace {

struct TreeCalls : TreeUpdates {
    std::vector<std::pair<EntryPath, EntryUpdate>> calls;
    void EntryChanged(const EntryPath& path, EntryUpdate update) override { calls.emplace_back(path, update); }
};

}  // namespace

TEST_F(EntryFormTest, TheSectionsFormsFollowTheChosenNodeAndTellTheTree)
{
    TreeCalls tree;
    SectionForms forms({GetModuleHandleA(nullptr), model, history, history, {"", "", self}}, section(), tree);
    ASSERT_TRUE(forms.Create(host));
    EXPECT_FALSE(forms.Show({kLeftRootNode, false, kLeft, {}}));
    ASSERT_TRUE(forms.Show({kCommandNode, false, kLeft, {1}}));
    EntryForm* first = static_cast<EntryForm*>(forms.form());
    EXPECT_EQ(forms.kind(), FormKind::FileItem);
    SetDlgItemTextA(first->handle(), IDC_FILE_DESCRIPTION, "p2");
    ASSERT_TRUE(forms.Show({kCommandNode, false, kLeft, {3}}));  // the pending text is written first
    EXPECT_EQ(forms.form(), first);
    EXPECT_EQ(At({1}).text2, "p2");
    ASSERT_TRUE(forms.Show({kCommandNode, true, kLeft, {0}}));
    EXPECT_EQ(forms.kind(), FormKind::ShortcutItem);
    ASSERT_EQ(tree.calls.size(), 1u);
    EXPECT_EQ(tree.calls[0].second, EntryUpdate::TextAndImage);
    {
        testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
        SendMessageA(forms.form()->handle(), WM_COMMAND, ID_TO_TITLE, 0);
    }
    EXPECT_EQ(tree.calls.size(), 1u);  // not while the form's handler runs
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    ASSERT_EQ(tree.calls.size(), 2u);
    EXPECT_EQ(tree.calls[1], std::make_pair(EntryPath{0}, EntryUpdate::Structure));
    EXPECT_EQ(At({0}).flags, menufile::ITEM_STATIC);
}
