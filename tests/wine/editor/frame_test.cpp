// The editor's main frame in-process, with the editor's resources: the menu
// of the active kind of window, windows found by their subject, command
// routing and enabling, Save all and the closing question, prompts and tips.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "editor/main_frame.h"
#include "editor/saving.h"
#include "editor/section_window.h"
#include "resources/editor/resource_ids.h"
#include "tests/support/box_answers.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using Journal = std::vector<std::string>;

class FakeSaving : public editor::Saving {
public:
    explicit FakeSaving(Journal& journal) : journal_(journal) {}
    bool modified = false;
    bool saveSucceeds = true;
    bool IsModified() const override { return modified; }
    bool SaveAll() override
    {
        journal_.push_back("save");
        return saveSucceeds;
    }

private:
    Journal& journal_;
};

class TestSection : public editor::SectionWindow {
public:
    TestSection(const void* section, Journal& journal) : SectionWindow(section), journal_(journal) {}
    bool refuses = false;  // a form holds a value it refused
    bool QueryCommand(int id, win32::CommandState& state) override { return id == ID_DELETE_ITEM; }
    bool RunCommand(int id) override
    {
        if (id != ID_DELETE_ITEM)
            return false;
        journal_.push_back("section " + std::to_string(id));
        return true;
    }

protected:
    bool CommitEdits() override
    {
        journal_.push_back("commit");
        return !refuses;
    }

private:
    Journal& journal_;
};

class TreeBarCommands : public win32::CommandTarget {
public:
    explicit TreeBarCommands(Journal& journal) : journal_(journal) {}
    bool newEnabled = true;
    bool QueryCommand(int id, win32::CommandState& state) override
    {
        if (id != ID_SECTION_NEW && id != ID_DELETE_ITEM)
            return false;
        state.enabled = id == ID_SECTION_NEW ? newEnabled : true;
        return true;
    }
    bool RunCommand(int id) override
    {
        win32::CommandState state;
        if (!QueryCommand(id, state))
            return false;
        journal_.push_back("bar " + std::to_string(id));
        return true;
    }

private:
    Journal& journal_;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        paths.settingsPath = "C:\\Tools\\Ombrix.ini";
        ASSERT_TRUE(frame.Create());
        frame.SetSaving(&saving);
    }

    editor::ChildWindow* Open(const void* subject, const std::string& title,
                              editor::WindowKind kind = editor::WindowKind::Section)
    {
        return frame.windows().OpenOrActivate(kind, subject, title, [&]() -> std::unique_ptr<editor::ChildWindow> {
            if (kind == editor::WindowKind::Section)
                return std::make_unique<TestSection>(subject, journal);
            return std::make_unique<editor::ChildWindow>(kind, subject);
        });
    }

    // The frame's menu as the next idle time leaves it.
    std::string MenuTitle(int position)
    {
        frame.OnIdle();
        char text[64] = "";
        GetMenuStringA(GetMenu(frame.handle()), position, text, sizeof text, MF_BYPOSITION);
        return text;
    }

    std::string Status() { return frame.statusBar().text(); }

    Journal journal;
    FakeSaving saving{journal};
    editor::EditorPaths paths;
    win32::MessageLoop loop;
    editor::MainFrame frame{GetModuleHandleA(nullptr), paths, loop};
    int sectionA = 0, sectionB = 0;
};

TEST_F(FrameTest, MenusFollowTheActiveWindowWhichIsFoundByItsSubject)
{
    EXPECT_EQ(MenuTitle(2), "ヘルプ(&H)");
    // Two sections of the same name keep two windows.
    editor::ChildWindow* a = Open(&sectionA, "same");
    editor::ChildWindow* b = Open(&sectionB, "same");
    ASSERT_TRUE(a && b);
    EXPECT_NE(a, b);
    EXPECT_EQ(frame.windows().Find(editor::WindowKind::Section, &sectionA), a);
    EXPECT_EQ(Open(&sectionA, "other"), a);
    EXPECT_EQ(frame.ActiveChild(), a->handle());
    EXPECT_EQ(MenuTitle(1), "編集(&E)");

    Open(nullptr, "オプション", editor::WindowKind::Options);
    EXPECT_EQ(MenuTitle(1), "ウィンドウ(&W)");
    EXPECT_TRUE(frame.windows().Activate(editor::WindowKind::Section, &sectionB));
    EXPECT_EQ(MenuTitle(1), "編集(&E)");

    frame.windows().Close(editor::WindowKind::Section, &sectionA);
    EXPECT_EQ(frame.windows().Find(editor::WindowKind::Section, &sectionA), nullptr);
    EXPECT_EQ(frame.windows().Find(editor::WindowKind::Section), b);
    frame.windows().Close(editor::WindowKind::Section, &sectionB);
    frame.windows().Close(editor::WindowKind::Options, nullptr);
    EXPECT_TRUE(frame.windows().All().empty());
    EXPECT_EQ(MenuTitle(2), "ヘルプ(&H)");
}

TEST_F(FrameTest, CommandsGoToTheBarFirstThenTheActiveWindowAndUnhandledOnesAreDisabled)
{
    TreeBarCommands bar(journal);
    frame.SetTreeBarTarget(&bar);
    Open(&sectionA, "A");
    EXPECT_TRUE(frame.Run(ID_DELETE_ITEM));
    EXPECT_EQ(journal, std::vector<std::string>{"bar 36001"});
    frame.SetTreeBarTarget(nullptr);
    EXPECT_TRUE(frame.Run(ID_DELETE_ITEM));
    EXPECT_EQ(journal.back(), "section 36001");
    frame.SetTreeBarTarget(&bar);

    // Ctrl+N has no handler; a disabled command does not run, even from an accelerator.
    EXPECT_FALSE(frame.StateOf(ID_FILE_NEW).enabled);
    bar.newEnabled = false;
    journal.clear();
    SendMessageA(frame.handle(), WM_COMMAND, ID_SECTION_NEW, 0);
    EXPECT_TRUE(journal.empty());
    bar.newEnabled = true;
    SendMessageA(frame.handle(), WM_COMMAND, ID_SECTION_NEW, 0);
    EXPECT_EQ(journal, std::vector<std::string>{"bar 32775"});

    // Save all and Ctrl+S: enabled while anything is modified, pending edits first.
    EXPECT_FALSE(frame.StateOf(ID_SAVE_ALL).enabled);
    frame.OnIdle();
    EXPECT_FALSE(SendMessageA(frame.toolBar().handle(), TB_ISBUTTONENABLED, ID_SAVE_ALL, 0));
    saving.modified = true;
    frame.OnIdle();
    EXPECT_TRUE(SendMessageA(frame.toolBar().handle(), TB_ISBUTTONENABLED, ID_SAVE_ALL, 0));
    for (int id : {ID_SAVE_ALL, ID_FILE_SAVE}) {
        journal.clear();
        EXPECT_TRUE(frame.Run(id));
        EXPECT_EQ(journal, (std::vector<std::string>{"commit", "save"}));
    }
    // A refused value stops Save all and closing before anything is saved or asked.
    for (editor::ChildWindow* window : frame.windows().All())
        static_cast<TestSection*>(window)->refuses = true;
    journal.clear();
    EXPECT_TRUE(frame.Run(ID_SAVE_ALL));
    EXPECT_FALSE(frame.CanClose());
    EXPECT_EQ(journal, (std::vector<std::string>{"commit", "commit"}));
}

TEST_F(FrameTest, ClosingAsksOnlyWhenModifiedAndEndsOnlyAfterAFullSave)
{
    bool canClose = false;
    auto closing = [&](int answer) { return AnswerBox(answer, [&] { canClose = frame.CanClose(); }); };
    EXPECT_EQ(closing(IDYES), "");
    EXPECT_TRUE(canClose);

    saving.modified = true;
    saving.saveSucceeds = false;
    EXPECT_EQ(closing(IDYES), "C:\\Tools\\Ombrix.ini への変更を保存しますか?");
    EXPECT_FALSE(canClose);
    saving.saveSucceeds = true;
    closing(IDYES);
    EXPECT_TRUE(canClose);
    closing(IDCANCEL);
    EXPECT_FALSE(canClose);
    journal.clear();
    closing(IDNO);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(journal.empty());
}

TEST_F(FrameTest, PromptsAndTipsComeFromTheStringTable)
{
    frame.OnIdle();
    EXPECT_EQ(Status(), "ﾚﾃﾞｨ");
    SendMessageA(frame.handle(), WM_MENUSELECT, MAKEWPARAM(ID_SAVE_ALL, MF_STRING),
                 reinterpret_cast<LPARAM>(GetSubMenu(GetMenu(frame.handle()), 0)));
    EXPECT_EQ(Status(), "変更をすべて保存します");
    frame.OnIdle();
    EXPECT_EQ(Status(), "変更をすべて保存します");
    SendMessageA(frame.handle(), WM_EXITMENULOOP, 0, 0);
    EXPECT_EQ(Status(), "ﾚﾃﾞｨ");

    editor::ChildWindow* window = Open(&sectionA, "A");
    SendMessageA(window->handle(), UM_SET_PROMPT, IDS_SECTION_PROMPT, 0);
    frame.OnIdle();
    EXPECT_EQ(Status(), "アイコンを選択して、各メニューを変更します");

    NMTTDISPINFOA tip = {};
    tip.hdr.code = TTN_GETDISPINFOA;
    tip.hdr.idFrom = ID_TEST_LEFT;
    SendMessageA(frame.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, "左クリックメニュー");
    EXPECT_EQ(frame.toolBar().commands().size(), 18u);
}

}  // namespace
