// The resident's reports of broken and unreadable menu files: the message
// box is found by its caption while the load waits in it on another thread,
// its text read as Shift-JIS bytes, and Yes starts Notepad (a recorder
// standing in for it, found on the search path).
#include <gtest/gtest.h>
#include <windows.h>
#include <thread>
#include "menufile/local_time_text.h"
#include "resident/app.h"
#include "resident/resident_menu_file.h"
#include "resident/system_error_text.h"
#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"

namespace {

using namespace testing_support;
using resident::ResidentMenuFile;

const char kOffer[] = "\nﾒﾆｭｰ情報ﾌｧｲﾙが壊れています。メモ帳で修正してください。\n今すぐメモ帳でﾌｧｲﾙを開きますか?";

struct Box {
    bool found = false;
    std::string text;
    bool yes = false, no = false, ok = false;
    bool exclamation = false;
};

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resident::App& app = resident::TheApp();
        app.instance = GetModuleHandleA(nullptr);
        LoadStringA(app.instance, IDS_PRODUCT_CAPTION, app.productCaption, sizeof app.productCaption);
        ASSERT_STREQ(app.productCaption, "Q-Fendix");
        // Windows looks for notepad.exe in the program's folder, then in the
        // current one; the recorder's copy waits in the current one.
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", folder / "notepad.exe"));
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        SetCurrentDirectoryA(folder.path().c_str());
    }
    void TearDown() override { SetCurrentDirectoryA(previousFolder); }

    // Loads the file on a worker thread, reads the box it shows and presses
    // the button; returns what Load returned.
    bool LoadAndAnswer(ResidentMenuFile& file, int button, Box& box)
    {
        bool result = true;
        std::thread load([&] { result = file.Load(); });
        HWND window = WaitForWindow(GetCurrentProcessId(), "#32770", resident::TheApp().productCaption, true);
        box.found = window != nullptr;
        if (box.found) {
            box.text = WindowText(GetDlgItem(window, 0xFFFF));
            box.yes = GetDlgItem(window, IDYES) != nullptr;
            box.no = GetDlgItem(window, IDNO) != nullptr;
            box.ok = GetDlgItem(window, IDOK) != nullptr;
            HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(window, 0x440, STM_GETICON, 0, 0));
            box.exclamation = icon && icon == LoadIcon(nullptr, IDI_EXCLAMATION);
            PostMessageA(window, WM_COMMAND, button, 0);
        }
        load.join();
        return result;
    }

    std::string Broken(const std::string& name, const std::string& text)
    {
        std::string path = folder / name;
        WriteFileBytes(path, text);
        return path;
    }

    TempFolder folder{"menufile"};
    char previousFolder[MAX_PATH] = "";
};

TEST_F(ReportTest, StatementAndEndOfFileErrorsOfferNotepadAndNoStartsNothing)
{
    std::string keyword = "\x83\x81" + std::string(509, 'x');  // a 511-byte piece
    std::string cutMessage = "誤った文が指定されています。\n中断：1行目、文：" + keyword;
    cutMessage.resize(511);  // the message buffer
    const struct {
        const char* name;
        std::string text, message;
    } cases[] = {
        {"menu_l.txt", "POPUP m\r\nBEGIN\r\n; note\r\nMENU ITEM x\r\nEND\r\n",
         "誤った文が指定されています。\n中断：4行目、文：MENU"},
        // 159 keeps the backslash of its text.
        {"menu_r.txt", "BEGIN\r\n", "POPUP文が指定されていません。\\中断：1行目"},
        {"unclosed.txt", "POPUP m\r\nMENUITEM a\r\n\r\n", "END文が不足しています。\n中断：3行目"},
        {"empty.txt", "", "有効な文がありませんでした。"},
        {"long.txt", keyword + "\r\n", cutMessage},
    };
    for (const auto& c : cases) {
        ResidentMenuFile file(Broken(c.name, c.text), 0, 0);
        Box box;
        EXPECT_FALSE(LoadAndAnswer(file, IDNO, box));
        EXPECT_EQ(box.text, c.message + kOffer) << c.name;
        EXPECT_TRUE(box.yes && box.no && !box.ok && box.exclamation) << c.name;
    }
    Sleep(300);
    EXPECT_FALSE(FileExists(folder / "notepad.log"));
}

TEST_F(ReportTest, YesStartsNotepadWithThePathAnEndOfFileErrorEmptied)
{
    std::string path = Broken("unclosed.txt", "POPUP m\r\nMENUITEM a\r\n\r\n");
    ResidentMenuFile file(path, 0, 0);
    Box box;
    EXPECT_FALSE(LoadAndAnswer(file, IDYES, box));
    EXPECT_EQ(file.path(), "");
    std::vector<RecordedStart> starts = WaitForRecorderLog(folder / "notepad.log");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, "notepad.exe \"" + path + "\"");
}

TEST_F(ReportTest, AMissingFileShowsTheSystemErrorTextAndThePath)
{
    std::string path = folder / "missing.txt";
    ResidentMenuFile file(path, 0, 0);
    Box box;
    EXPECT_FALSE(LoadAndAnswer(file, IDOK, box));
    char error[256];
    resident::SystemErrorText(error, sizeof error, ERROR_FILE_NOT_FOUND);
    ASSERT_NE(error[0], '\0');
    EXPECT_EQ(box.text, std::string(error) + "\n" + path);
    EXPECT_TRUE(box.ok && !box.yes && box.exclamation);
    EXPECT_EQ(file.path(), path);
    EXPECT_TRUE(file.loaded());
}

TEST(LocalTime, TheLongFormNamesTheYear)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::string text = menufile::LongLocalDateTime();
    EXPECT_NE(text.find(std::to_string(now.wYear)), std::string::npos) << text;
}

}  // namespace
