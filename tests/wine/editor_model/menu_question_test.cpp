// Question 170 at start, answered in the real boxes and the real open-file
// dialog: a missing or broken menu file and what each answer leaves.
#include <gtest/gtest.h>
#include <windows.h>
#include "editor/editor_settings.h"
#include "settings/ini_file.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"

using namespace editor;
using testing_support::Answer;
using testing_support::BoxAnswers;
using testing_support::TempFolder;

namespace {

const char kQuestion[] =
    "メニューファイルが存在しないか、内容が誤っています。\n別なファイルを指定する場合は、<はい>を選んでください。\n"
    "新しく作成する場合は<いいえ>を選んでください。\n<キャンセル>の場合は、プログラムを終了します。\nファイル：";

class MenuQuestion : public ::testing::Test {
protected:
    // One section whose left menu is the file named; its right menu is new.
    bool LoadWith(const std::string& menuName, std::vector<Answer> answers)
    {
        settings::IniFile file(folder / "Ombrix.ini");
        file.WriteText("Main", "TrayNo", "1");
        file.WriteText("Section1", "Desc", "One");
        file.WriteText("Section1", "MenuPath_L", menuName);
        editor = std::make_unique<EditorSettings>(GetModuleHandleA(nullptr), folder / "Ombrix.ini", folder.path(),
                                                  [] { return HWND(nullptr); });
        BoxAnswers watcher(std::move(answers));
        bool loaded = editor->Load();
        texts = watcher.Finish();
        return loaded;
    }
    const EditMenuFile& Left() const { return *editor->model().section(0).menu(kLeft); }
    std::string Path(const std::string& name) const { return folder / name; }

    TempFolder folder{"editor question"};
    std::unique_ptr<EditorSettings> editor;
    std::vector<std::string> texts;
};

}  // namespace

TEST_F(MenuQuestion, NoGivesANewMenuForAMissingFileAndKeepsWhatABrokenOneHeld)
{
    ASSERT_TRUE(LoadWith("gone.txt", {{IDOK, ""}, {IDNO, ""}}));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find(Path("gone.txt")), std::string::npos);  // the file error first
    EXPECT_EQ(texts[1], kQuestion + Path("gone.txt"));
    EXPECT_EQ(Left().path().rfind(Path("One_L"), 0), 0u);
    EXPECT_EQ(editor->model().section(0).values().menus[kLeft].path, Left().path());
    EXPECT_TRUE(Left().modified() && Left().root()->entries.empty());
    EXPECT_FALSE(testing_support::FileExists(Path("gone.txt")));

    testing_support::WriteFileBytes(Path("broken.txt"), "POPUP m\r\nBEGIN\r\nMENUITEM a.exe\r\nMENUITEM\r\nEND\r\n");
    ASSERT_TRUE(LoadWith("broken.txt", {{IDNO, ""}, {IDNO, ""}}));
    EXPECT_EQ(texts[0].rfind("MENUITEM文のオペランドが不足しています。\n中断：4行目", 0), 0u);
    EXPECT_EQ(texts[1], kQuestion + Path("broken.txt"));
    EXPECT_EQ(Left().path(), Path("broken.txt"));
    EXPECT_EQ(Left().root()->entries.size(), 1u);
    EXPECT_FALSE(Left().modified());
}

TEST_F(MenuQuestion, YesOpensTheFileDialogAndCancelEndsTheStart)
{
    testing_support::WriteFileBytes(Path("other.txt"), "POPUP m\r\nBEGIN\r\nMENUITEM b.exe\r\nEND\r\n");
    ASSERT_TRUE(LoadWith("gone.txt", {{IDOK, ""}, {IDYES, ""}, {IDOK, Path("other.txt")}}));
    EXPECT_EQ(texts.size(), 3u);
    EXPECT_EQ(Left().path(), Path("other.txt"));
    EXPECT_EQ(Left().root()->entries.size(), 1u);
    EXPECT_EQ(editor->model().section(0).values().menus[kLeft].path, Path("other.txt"));
    EXPECT_TRUE(editor->model().section(0).modified());

    EXPECT_FALSE(LoadWith("gone.txt", {{IDOK, ""}, {IDCANCEL, ""}}));
}
