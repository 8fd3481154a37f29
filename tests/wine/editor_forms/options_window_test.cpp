// The options window in a real frame: the page above (its text, or the HTML
// view where the system renders it), MenuAutoHide in tenths of a second
// below, a value out of range refused.
#include <gtest/gtest.h>
#include <windows.h>
#include "editor/forms/options_window.h"
#include "editor/main_frame.h"
#include "resources/editor/resource_ids.h"
#include "screenshot.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/html_view.h"
#include "win32/module_path.h"

using namespace editor;

TEST(OptionsWindow, AutoHideInTenthsOfASecondWithTheRangeGuarded)
{
    testing_support::TempFolder folder("options window");
    EditorPaths paths = PathsForProgram(folder / "Ombrixm.exe");
    win32::MessageLoop loop;
    MainFrame frame(GetModuleHandleA(nullptr), paths, loop);
    ASSERT_TRUE(frame.Create());
    ShowWindow(frame.handle(), SW_SHOW);
    SettingsModel model;
    model.SetFileMain(0, 1500);
    model.set_menuAutoHide(1500);
    ChangeHistory history;
    auto* window = static_cast<OptionsWindow*>(frame.windows().OpenOrActivate(
        WindowKind::Options, nullptr, "オプション",
        [&] { return std::make_unique<OptionsWindow>(GetModuleHandleA(nullptr), model, history); }));
    ASSERT_NE(window, nullptr);
    HWND form = window->form().handle();
    EXPECT_EQ(testing_support::WindowText(GetDlgItem(form, IDC_AUTO_HIDE)), "15");
    EXPECT_NE(testing_support::WindowText(window->page()).find("0 にすると隠れません"), std::string::npos);
    EXPECT_TRUE(dialogs_test::SaveScreenshot(frame.handle(), "options_window.bmp"));

    SetDlgItemTextA(form, IDC_AUTO_HIDE, "30");
    EXPECT_EQ(model.menuAutoHide(), 3000);
    EXPECT_TRUE(model.MenuAutoHideChanged());
    SetDlgItemTextA(form, IDC_AUTO_HIDE, "101");
    EXPECT_EQ(model.menuAutoHide(), 3000);
    testing_support::BoxAnswers answers({testing_support::Answer{IDOK, ""}});
    EXPECT_EQ(SendMessageA(window->handle(), UM_COMMIT_EDITS, 0, 0), 1);
    EXPECT_EQ(answers.Finish(),
              std::vector<std::string>{"0 から 100 までの整数を入力してください。"});
    EXPECT_EQ(GetFocus(), GetDlgItem(form, IDC_AUTO_HIDE));
    ASSERT_TRUE(history.Undo(model));
    EXPECT_EQ(model.menuAutoHide(), 1500);

    // The HTML view where the system can render the page (this Wine has no
    // engine: its text above), and the view itself asked for the page.
    char name[32] = "";
    GetClassNameA(window->page(), name, sizeof name);
    EXPECT_EQ(std::string(name), win32::HtmlEngineAvailable() ? "AtlAxWin" : "Edit");
    frame.windows().Close(WindowKind::Options, nullptr);
    win32::ComScope com;
    window = static_cast<OptionsWindow*>(frame.windows().OpenOrActivate(WindowKind::Options, nullptr, "", [&] {
        return std::make_unique<OptionsWindow>(GetModuleHandleA(nullptr), model, history, PageView::Html);
    }));
    ASSERT_NE(window, nullptr);
    GetClassNameA(window->page(), name, sizeof name);
    EXPECT_EQ(std::string(name), "AtlAxWin");
    EXPECT_EQ(testing_support::WindowText(window->page()), "res://" + win32::ThisProgramPath() + "/#23/#5347");
    EXPECT_EQ(win32::HtmlResourceUrl("C:\\No #1\\100%\\m.exe", 7), "res://C:\\No %231\\100%25\\m.exe/#23/#7");
    EXPECT_TRUE(dialogs_test::SaveScreenshot(frame.handle(), "options_window_html.bmp"));
    DestroyWindow(frame.handle());
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
