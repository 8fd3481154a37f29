// The icon chooser in-process: icon counts and numbers, the history in the
// settings file, the messages for files without icons, and its icons freed.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <climits>
#include "editor/dialogs/icon_chooser_dialog.h"
#include "editor/dialogs/icon_file.h"
#include "modal_script.h"
#include "resources/editor/resource_ids.h"
#include "screenshot.h"
#include "tests/support/test_support.h"
#include "win32/module_path.h"

namespace {

using dialogs_test::AnswerMessageBox;
using dialogs_test::Instance;
using dialogs_test::ModalScript;
using testing_support::SystemFile;
using testing_support::TempFolder;

int ListCount(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_ICON_LIST, LB_GETCOUNT, 0, 0));
}

// A step that types the file into the name box and presses Enter there.
ModalScript::Step TypeAndEnter(editor::IconChooserDialog& dialog, const std::string& file)
{
    return [&dialog, file] {
        SetDlgItemTextA(dialog.handle(), IDC_ICON_FILE, file.c_str());
        SetFocus(dialog.Item(IDC_ICON_FILE));
        PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
        return true;
    };
}

TEST(IconFiles, CountsNumbersThatFitAndResourceIdsResolvedToTheirPositions)
{
    std::string shell32 = SystemFile("SHELL32.dll");
    int count = static_cast<int>(ExtractIconExA(shell32.c_str(), -1, nullptr, nullptr, 0));
    ASSERT_GT(count, 1);
    EXPECT_EQ(editor::IconCount(Instance(), shell32), count);

    TempFolder folder;
    editor::IconChooserDialog dialog(Instance(), folder / "Ombrix.ini");
    EXPECT_FALSE(dialog.SetIconLocation(shell32, count));
    EXPECT_FALSE(dialog.SetIconLocation(shell32, 1000));
    EXPECT_FALSE(dialog.SetIconLocation(folder / "none.dll", 0));
    EXPECT_TRUE(dialog.SetIconLocation("SystemRoot\\system32\\shell32.dll", count - 1));
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_EQ(dialog.iconFile(), std::string(windows) + "\\system32\\shell32.dll");
    EXPECT_EQ(dialog.iconIndex(), count - 1);
    EXPECT_TRUE(dialog.SetIconLocation("%windir%\\system32\\shell32.dll", 2));
    EXPECT_EQ(dialog.iconFile(), std::string(windows) + "\\system32\\shell32.dll");

    // Resource ids: -7 the second icon, -3 the first, no others.
    const std::string self = win32::ThisProgramPath();
    for (auto [id, index] : {std::pair{-7, 1}, {-3, 0}, {INT_MIN, -1}, {-5, -1}}) {
        EXPECT_TRUE(dialog.SetIconLocation(self, id));
        EXPECT_EQ(dialog.iconIndex(), index) << id;
    }
    for (int id : {-7, -5}) {
        ASSERT_TRUE(dialog.SetIconLocation(self, id));
        ASSERT_TRUE(dialog.CreateModeless(Instance(), IDD_ICON_CHOOSER, nullptr));
        LRESULT selected = SendDlgItemMessageA(dialog.handle(), IDC_ICON_LIST, LB_GETCURSEL, 0, 0);
        EXPECT_EQ(selected, id == -7 ? 1 : LB_ERR);
        DestroyWindow(dialog.handle());
    }
}

// Six files typed in turn, one of them 145 characters long and one with a
// name of double-byte characters; the icons made go with the dialog.
TEST(IconChooser, LeavesTheFiveNewestFilesInTheSettingsFileAndNoIcons)
{
    TempFolder folder;
    std::string deep = folder.path() + std::string(100, 'd');
    CreateDirectoryA(deep.c_str(), nullptr);
    std::vector<std::string> files = {folder / "a.ico", folder / "表示.ico", "", folder / "c.ico",
                                      folder / "d.ico", folder / "e.ico"};
    files[2] = deep + "\\" + std::string(145 - deep.size() - 5, 'x') + ".ico";
    ASSERT_EQ(files[2].size(), 145u);
    for (const std::string& file : files)
        ASSERT_TRUE(testing_support::CopyFileTo(OMBRIX_TEST_ICON, file));

    long liveIcons = win32::UniqueIcon::LiveCount();
    long mostIcons = 0;
    {
        editor::IconChooserDialog dialog(Instance(), folder / "Ombrix.ini");
        ModalScript script;
        script.Then([&] { return dialog.handle() != nullptr && ListCount(dialog.handle()) > 1; });
        for (const std::string& file : files) {
            script.Then(TypeAndEnter(dialog, file)).Then([&, file] {
                mostIcons = std::max(mostIcons, win32::UniqueIcon::LiveCount() - liveIcons);
                return dialog.iconFile() == file && ListCount(dialog.handle()) == 1;
            });
        }
        script.Then([&] { PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0); return true; });
        EXPECT_EQ(script.Run([&] { return dialog.Run(nullptr); }), IDCANCEL);
        EXPECT_EQ(win32::UniqueIcon::LiveCount(), liveIcons);
    }
    EXPECT_EQ(mostIcons, 1);
    EXPECT_EQ(testing_support::ReadFileBytes(folder / "Ombrix.ini"),
              "[IconLocation]\r\nFile1=" + files[5] + "\r\nFile2=" + files[4] + "\r\nFile3=" + files[3] +
                  "\r\nFile4=" + files[2] + "\r\nFile5=" + files[1] + "\r\n");
}

TEST(IconChooser, FilesWithoutIconsAreReportedAndLeaveTheHistory)
{
    TempFolder folder;
    std::string missing = folder / "gone%1.dll";
    std::string text = folder / "text.dll";
    ASSERT_TRUE(testing_support::WriteFileBytes(text, "not a program\r\n"));
    editor::IconChooserDialog dialog(Instance(), folder / "Ombrix.ini");
    std::vector<std::string> boxes;
    auto answer = [&] {
        std::string box = AnswerMessageBox(dialog.handle());
        if (!box.empty())
            boxes.push_back(box);
        return !box.empty();
    };
    ModalScript script;
    script.Then([&] { return dialog.handle() != nullptr && ListCount(dialog.handle()) > 1; })
        .Then([&] { return dialogs_test::SaveScreenshot(dialog.handle(), "icon_chooser.bmp"); })
        .Then(TypeAndEnter(dialog, missing)).Then(answer)
        .Then(TypeAndEnter(dialog, text)).Then(answer)
        .Then([&] {
            SetFocus(dialog.Item(IDC_ICON_LIST));
            PostMessageA(dialog.handle(), WM_COMMAND, IDOK, 0);
            return true;
        })
        .Then(answer)
        .Then([&] { PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0); return true; });
    EXPECT_EQ(script.Run([&] { return dialog.Run(nullptr); }), IDCANCEL);
    EXPECT_EQ(boxes, (std::vector<std::string>{"'" + missing + "'にアイコンが見つかりません。別のファイルを指定してください。",
                                               "'" + text + "'にアイコンが一つもありません。",
                                               "アイコンを選択してください。"}));
    EXPECT_EQ(testing_support::ReadFileBytes(folder / "Ombrix.ini"),  // the history as it closed
              "[IconLocation]\r\nFile1=" + SystemFile("SHELL32.dll") + "\r\n");
}

// The menu of the history button: the files, newest first, then "...";
// its entries load their file.
TEST(IconChooser, HistoryMenuOffersTheFilesThenBrowsing)
{
    TempFolder folder;
    std::string file = folder / "A&B.ico";
    ASSERT_TRUE(testing_support::CopyFileTo(OMBRIX_TEST_ICON, file));
    editor::IconChooserDialog dialog(Instance(), folder / "Ombrix.ini");
    ASSERT_TRUE(dialog.SetIconLocation(file, 0));
    std::vector<std::string> entries;
    ModalScript script;
    script.Then([&] { return dialog.handle() != nullptr; })
        .Then([&] { dialogs_test::Click(dialog.Item(IDC_ICON_HISTORY)); return true; })
        .Then([&] {
            HWND popup = FindWindowA("#32768", nullptr);
            auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
            char text[MAX_PATH];
            for (int i = 0; menu && GetMenuStringA(menu, i, text, MAX_PATH, MF_BYPOSITION) > 0; ++i)
                entries.push_back(text);
            EndMenu();
            return menu != nullptr;
        })
        .Then([&] { PostMessageA(dialog.handle(), WM_COMMAND, ID_ICON_RECENT_FILE + 1, 0); return true; })
        .Then([&] { return ListCount(dialog.handle()) > 1; })
        .Then([&] { PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0); return true; });
    EXPECT_EQ(script.Run([&] { return dialog.Run(nullptr); }), IDCANCEL);
    EXPECT_EQ(entries, (std::vector<std::string>{folder / "A&&B.ico", SystemFile("SHELL32.dll"), "..."}));
    EXPECT_EQ(dialog.iconFile(), SystemFile("SHELL32.dll"));
}

}  // namespace
