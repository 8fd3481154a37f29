// The menu options form on real controls: what it shows of the option
// words, the guard that keeps texts or icons on, the track bar, and
// "すべてのメニューを同じに設定" through Save all to the settings file.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include "editor/editor_settings.h"
#include "editor/forms/menu_options_form.h"
#include "editor/forms/section_forms.h"
#include "resources/editor/resource_ids.h"
#include "modal_script.h"
#include "screenshot.h"
#include "settings/ini_file.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"

using namespace editor;

namespace {

struct NoTree : TreeUpdates {
    void EntryChanged(const EntryPath&, EntryUpdate) override {}
};

class OptionFormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string ini = "[Main]\r\nTrayNo=2\r\n";
        for (const std::string key : {"Section2", "Section1"})  // Opt_R 0xF0000: large icons, a bit no box shows
            ini += "[" + key + "]\r\nDesc=" + key +
                   "\r\nOpt_L=327680\r\nMenuWidth_L=0\r\nOpt_R=983040\r\nMenuWidth_R=20\r\n"
                   "IconUp=shell32.dll\r\nIconNoUp=3\r\nIconDown=shell32.dll\r\nIconNoDown=4\r\nFlags=0\r\n";
        // Section1's own left menu under its heading; the icon chooser writes
        // its history back, last in the file, as it closes: the same one.
        ini += "MenuPath_L=" + (folder / "left.txt") +
               "\r\n[IconLocation]\r\nFile1=" + testing_support::SystemFile("SHELL32.dll");
        testing_support::WriteFileBytes(folder / "Ombrix.ini", ini + "\r\n");
        testing_support::WriteFileBytes(folder / "left.txt", "POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nSTATIC t\r\n"
                                                             "POPUP g\r\nBEGIN\r\nSTATIC inner\r\nEND\r\nEND\r\n");
        editor = std::make_unique<EditorSettings>(GetModuleHandleA(nullptr), folder / "Ombrix.ini", folder.path(),
                                                  [] { return HWND{}; });
        ASSERT_TRUE(editor->Load());
        ASSERT_TRUE(editor->SaveAll());  // the new menu files named and written
        host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 520, 420, nullptr, nullptr,
                               nullptr, nullptr);
        const Section& section = editor->model().section(0);
        forms = std::make_unique<SectionForms>(
            FormSettings{GetModuleHandleA(nullptr), editor->model(), editor->historyOf(section.id()),
                         editor->history(), {folder / "Ombrix.ini", "", ""}},
            section, tree);
        HWND pane = forms->Create(host);
        ASSERT_TRUE(pane);
        ShowWindow(pane, SW_SHOW);
        MoveWindow(pane, 0, 0, 500, 400, TRUE);
    }
    void TearDown() override
    {
        forms.reset();
        DestroyWindow(host);
    }
    HWND Form() { return forms->form()->handle(); }
    void Open(NodeKind kind, EntryPath path = {})
    {
        ASSERT_TRUE(forms->Show({kind, false, path.empty() ? kOptionsTab : kLeft, path}));
    }
    bool Checked(int id) { return IsDlgButtonChecked(Form(), id) == BST_CHECKED; }
    void Click(int id) { SendDlgItemMessageA(Form(), id, BM_CLICK, 0, 0); }
    int Track() { return static_cast<int>(SendDlgItemMessageA(Form(), IDC_WIDTH_TRACK, TBM_GETPOS, 0, 0)); }
    void Scroll(int code, int position)
    {
        HWND track = GetDlgItem(Form(), IDC_WIDTH_TRACK);
        SendMessageA(track, TBM_SETPOS, TRUE, position);
        SendMessageA(Form(), WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(track));
    }
    const MenuSideValues& Values(size_t section, Side side) { return editor->model().section(section).values().menus[side]; }

    testing_support::TempFolder folder{"option forms"};
    std::unique_ptr<EditorSettings> editor;
    NoTree tree;
    HWND host = nullptr;
    std::unique_ptr<SectionForms> forms;
};

}  // namespace

TEST_F(OptionFormsTest, TheFormShowsTheOptionWordsAndStoresOnlyWhatItShows)
{
    Open(kLeftOptionsNode);
    EXPECT_TRUE(Checked(IDC_SHOW_TEXT) && Checked(IDC_SHOW_ICONS) && Checked(IDC_SMALL_ICONS));
    EXPECT_TRUE(Checked(IDC_AUTOMATIC_WIDTH));
    EXPECT_EQ(Track(), 3);
    EXPECT_EQ(testing_support::WindowText(GetDlgItem(Form(), IDC_WIDTH_TEXT)), "");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Form(), IDC_WIDTH_TRACK)));
    EXPECT_TRUE(dialogs_test::SaveScreenshot(host, "menu_options_form.bmp"));

    Open(kRightOptionsNode);
    EXPECT_TRUE(Checked(IDC_LARGE_ICONS));
    EXPECT_EQ(Track(), 14);
    EXPECT_EQ(testing_support::WindowText(GetDlgItem(Form(), IDC_WIDTH_TEXT)), "20");
    EXPECT_FALSE(editor->model().section(0).modified());
    Scroll(SB_THUMBTRACK, 9);  // a drag under way stores nothing
    EXPECT_EQ(Values(0, kRight).width, 20);
    EXPECT_TRUE(forms->CommitEdits());  // untouched: 14, and the stray bit gone
    EXPECT_EQ(Values(0, kRight).width, 14);
    EXPECT_EQ(Values(0, kRight).options, 0x70000);
    EXPECT_TRUE(editor->model().section(0).modified());
    Scroll(SB_ENDSCROLL, 9);
    EXPECT_EQ(Values(0, kRight).width, 9);
    Click(IDC_AUTOMATIC_WIDTH);
    EXPECT_EQ(Values(0, kRight).width, 0);
    EXPECT_TRUE(dialogs_test::SaveScreenshot(host, "menu_options_large.bmp"));
}

TEST_F(OptionFormsTest, TextsOrIconsMustStayOn)
{
    Open(kLeftOptionsNode);
    Click(IDC_SHOW_ICONS);
    EXPECT_EQ(Values(0, kLeft).options, 0x40000);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Form(), IDC_SMALL_ICONS)));
    testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
    Click(IDC_SHOW_TEXT);
    EXPECT_EQ(answers.Finish(),
              std::vector<std::string>{"メニューに表示するものがありません。少なくともアイコンかテキストを表示しなければなりません。"});
    EXPECT_TRUE(Checked(IDC_SHOW_TEXT));
    EXPECT_EQ(Values(0, kLeft).options, 0x40000);
}

TEST_F(OptionFormsTest, AllMenusTheSameReachesEverySectionInTheFile)
{
    Open(kRightOptionsNode);
    Click(IDC_ALL_MENUS_SAME);  // commits its own first: 0x70000 and 14, not the stray bit
    ASSERT_TRUE(editor->SaveAll());
    settings::IniFile file(folder / "Ombrix.ini");
    std::string written;
    for (const char* key : {"Section1", "Section2"})
        for (const char* name : {"Opt_L", "Opt_R", "MenuWidth_L", "MenuWidth_R"})
            written += file.ReadText(key, name) + " ";
    EXPECT_EQ(written, "458752 458752 14 14 458752 458752 14 14 ");
}

TEST_F(OptionFormsTest, TheTrayFlagsDecideWhichIconsAreKept)
{
    const SectionValues& values = editor->model().section(0).values();
    auto icons = [&] {  // the flags, the normal icon, the pressed one
        return std::to_string(values.flags) + " " + values.normalIconFile + "," +
               std::to_string(values.normalIconNumber) + " " + values.pressedIconFile + "," +
               std::to_string(values.pressedIconNumber);
    };
    Open(kTrayOptionsNode);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Form(), IDC_PRESSED_ICON)));
    EXPECT_TRUE(dialogs_test::SaveScreenshot(host, "tray_options_form.bmp"));
    Click(IDC_UP_IS_DOWN);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Form(), IDC_PRESSED_ICON)));
    EXPECT_EQ(values.flags, 0);  // the boxes wait for the commit
    EXPECT_TRUE(forms->CommitEdits());
    EXPECT_EQ(icons(), "2 shell32.dll,3 ,-1");
    Click(IDC_CALENDAR);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Form(), IDC_NORMAL_ICON)));
    EXPECT_TRUE(forms->CommitEdits());
    EXPECT_EQ(icons(), "3 ,-1 ,-1");

    const SectionValues& other = editor->model().section(1).values();
    EXPECT_EQ(other.pressedIconNumber, 4);  // another section keeps its own
    ASSERT_TRUE(editor->historyOf(editor->model().section(0).id()).Undo(editor->model()));
    EXPECT_EQ(values.flags, 2);
    Open(kLeftOptionsNode);
    Open(kTrayOptionsNode);
    EXPECT_TRUE(IsDlgButtonChecked(Form(), IDC_UP_IS_DOWN) == BST_CHECKED);
    Click(IDC_TRAY_DEFAULTS);
    EXPECT_EQ(icons(), "0 ,-1 ,-1");
}

namespace {

// The whole model as far as the forms reach it, and what Save all wrote.
struct Snapshot {
    std::vector<SectionValues> values;
    std::vector<std::unique_ptr<menufile::MenuList>> menus;
    std::string bytes;
};

// Opens a dialog through open and, inside it, presses button (on a property
// sheet's page when it has one) and then OK; button 0 is the sheet's
// "全タイトルに適応", which ends it. IDC_ICON_LIST chooses icon 2.
void RunDialog(const std::function<void()>& open, int button)
{
    auto dialog = [] {
        HWND top = dialogs_test::FindDialog();
        HWND page = top ? PropSheet_GetCurrentPageHwnd(top) : nullptr;
        return std::make_pair(top, page ? page : top);
    };
    dialogs_test::ModalScript script;
    script.Then([&] { return dialog().first != nullptr; }).Then([&] {
        auto [top, page] = dialog();
        if (button == IDC_ICON_LIST) {
            SetFocus(GetDlgItem(page, button));
            SendDlgItemMessageA(page, button, LB_SETCURSEL, 2, 0);
        } else {
            dialogs_test::Click(button ? GetDlgItem(page, button)
                                       : FindWindowExA(top, nullptr, "Button", "全タイトルに適応"));
        }
        return true;
    });
    if (button) {
        script.Then([&] {
            auto [top, page] = dialog();
            if (page != top)
                PostMessageA(top, PSM_PRESSBUTTON, PSBTN_OK, 0);
            else
                PostMessageA(top, WM_COMMAND, IDOK, 0);
            return true;
        });
    }
    script.Run([&] { open(); return INT_PTR{0}; });
}

}  // namespace

// Each change a form makes is one step of its history: undone, the model is
// the one before, compared whole, and Save all writes the old bytes; redone,
// the one after.
TEST_F(OptionFormsTest, EachFormsChangeIsOneStepThatUndoAndRedoTakeWhole)
{
    struct Step {
        const char* name;
        NodeKind node;
        EntryPath path;
        bool everySection;
        std::function<void()> act;
    };
    auto click = [this](int id) { return [this, id] { Click(id); }; };
    auto dialog = [this](int id, int button) {
        return [this, id, button] { RunDialog([this, id] { Click(id); }, button); };
    };
    const Step steps[] = {
        {"colour", kTitleNode, {1}, false, dialog(IDC_PARAMETERS, IDC_FIXED_SWATCH + 5)},
        {"every title", kTitleNode, {1}, false, dialog(IDC_PARAMETERS, 0)},
        {"icon", kCommandNode, {0}, false, dialog(IDC_ICON_BUTTON, IDC_ICON_LIST)},
        {"kind", kCommandNode, {0}, false,
         [this] {
             testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
             Click(IDC_TO_GROUP);
         }},
        {"menu options", kLeftOptionsNode, {}, false, click(IDC_LARGE_ICONS)},
        {"all the same", kRightOptionsNode, {}, true, click(IDC_ALL_MENUS_SAME)},
    };
    auto take = [this] {
        Snapshot shot;
        EXPECT_TRUE(editor->SaveAll());
        shot.bytes = testing_support::ReadFileBytes(folder / "Ombrix.ini");
        for (size_t i = 0; i < editor->model().size(); ++i) {
            const Section& section = editor->model().section(i);
            shot.values.push_back(section.values());
            for (Side side : {kLeft, kRight}) {
                shot.menus.push_back(menufile::CopyTree(*section.menu(side)->root()));
                shot.bytes += testing_support::ReadMenuBody(section.values().menus[side].path);
            }
        }
        return shot;
    };
    auto same = [this](const Snapshot& shot) {
        bool same = true;
        for (size_t i = 0; i < editor->model().size(); ++i) {
            const Section& section = editor->model().section(i);
            same = same && section.values() == shot.values[i] &&
                   menufile::SameTree(*section.menu(kLeft)->root(), *shot.menus[2 * i]) &&
                   menufile::SameTree(*section.menu(kRight)->root(), *shot.menus[2 * i + 1]);
        }
        return same;
    };
    editor->model().section(0).menu(kLeft)->set_modified(true);  // the file in the editor's own layout
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Open(step.node, step.path);
        forms->CommitEdits();  // what the form shows is stored before the step
        Snapshot before = take();
        step.act();
        Snapshot after = take();
        EXPECT_NE(after.bytes, before.bytes);
        EXPECT_FALSE(same(before));
        ChangeHistory& history =
            step.everySection ? editor->history() : editor->historyOf(editor->model().section(0).id());
        ASSERT_TRUE(history.Undo(editor->model()));
        EXPECT_TRUE(same(before));
        EXPECT_EQ(take().bytes, before.bytes);
        ASSERT_TRUE(history.Redo(editor->model()));
        EXPECT_TRUE(same(after));
        EXPECT_EQ(take().bytes, after.bytes);
    }
}
