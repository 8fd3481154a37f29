// Ombrixm.exe itself, copied with the real Ombrix.exe into a temporary
// folder whose name holds a space, with recorder.exe as Ombrixa.exe and a
// decoy "x.exe" that an unquoted "...\x y\Ombrix.exe" would start instead.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <utility>
#include "resources/editor/resource_ids.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

const char kQuestionCaption[] = "Q-Fendixの一時終了確認";
const char kQuestionText[] =
    "メニューの情報の更新をするためには、その間Q-Fendixを終了しなければなりません。\n"
    "終了しますか ? (更新をしなければ終了の必要はありません)";
const char kRestartQuestion[] = "Q-Fendixを今すぐ再起動しますか ?";

class EditorProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        for (const char* program : {"Ombrixm.exe", "Ombrix.exe"})
            ASSERT_TRUE(CopyFileTo(BinaryFolder() + program, folder_ + program));
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", folder_ + "Ombrixa.exe"));
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + "recorder.exe", temp_ / "x.exe"));
        WriteSettings("");
    }

    void TearDown() override
    {
        if (HWND frame = Frame(0))
            PostMessageA(frame, WM_CLOSE, 0, 0);
        editor_.Kill();
        while (HWND resident = FindWindowA("Q-Fendix", nullptr)) {
            PostMessageA(resident, WM_CLOSE, 0, 0);
            WaitFor([&] { return !IsWindow(resident); });
        }
        EXPECT_FALSE(FileExists(temp_ / "x.log")) << "a path was not quoted";
    }

    void WriteSettings(const std::string& main)
    {
        ASSERT_TRUE(WriteFileBytes(settings_, "[Main]\r\nIniVersion=10\r\nTrayNo=0\r\n" + main));
    }
    // Read as bytes: the system's profile cache of this process may not see
    // a write by another process within the same second.
    bool SettingsHold(const std::string& line) const
    {
        return ReadFileBytes(settings_).find("\r\n" + line + "\r\n") != std::string::npos;
    }

    // The real resident of the folder, with its window up.
    void StartResident()
    {
        resident_ = ChildProcess(Quoted("Ombrix.exe"), folder_);
        ASSERT_TRUE(WaitFor([&] { return !WindowsOfProcess(resident_.id(), "Q-Fendix").empty(); }, 15000));
    }
    void StartEditor() { editor_ = ChildProcess(Quoted("Ombrixm.exe"), folder_); }

    HWND Frame(DWORD timeoutMs = 15000)
    {
        return WaitForWindow(editor_.id(), "OmbrixmFrame", nullptr, false, timeoutMs);
    }
    // A shown box or dialog of the editor with that caption.
    HWND Box(const char* caption, DWORD timeoutMs = 15000)
    {
        return WaitForWindow(editor_.id(), "#32770", caption, true, timeoutMs);
    }
    // Once the frame answers, the editor is past its start: a question
    // that has not come by then never comes.
    bool Idle(HWND frame)
    {
        DWORD_PTR result;
        return SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result) != 0;
    }
    static bool ResidentRuns() { return FindWindowA("Q-Fendix", nullptr) != nullptr; }
    bool ResidentRestarted()
    {
        return WaitFor([] { return ResidentRuns(); }, 15000);
    }

    std::string Quoted(const std::string& program) const { return "\"" + folder_ + program + "\""; }

    TempFolder temp_{"editor"};
    std::string folder_ = temp_ / "x y\\";
    std::string settings_ = folder_ + "Ombrix.ini";
    ChildProcess resident_;
    ChildProcess editor_;
};

TEST_F(EditorProgram, TheQuestionAtStartClosesTheResidentOrNotAndTheBoxStoresAutoClose)
{
    using Case = std::pair<bool, WPARAM>;  // the box ticked, the answer
    for (auto [ticked, answer] : {Case{false, IDOK}, Case{true, IDCANCEL}, Case{true, IDOK}, Case{false, IDCANCEL}}) {
        SCOPED_TRACE(std::string(ticked ? "ticked, " : "not ticked, ") + (answer == IDOK ? "yes" : "no"));
        WriteSettings("");
        if (!ResidentRuns())
            StartResident();
        StartEditor();
        HWND dialog = Box(kQuestionCaption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_CLOSE_TEXT)), kQuestionText);
        if (ticked)
            SendMessageA(GetDlgItem(dialog, IDC_CLOSE_AUTOMATICALLY), BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(dialog, WM_COMMAND, answer, 0);
        // A sent message is handled before the posted answer: wait for the
        // dialog to go before asking the frame.
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

        HWND frame = Frame();
        ASSERT_TRUE(frame && Idle(frame));
        EXPECT_EQ(SettingsHold("AutoCloseMain=1"), ticked);
        // A resident still busy starting may take its time over the close.
        if (answer == IDOK)
            EXPECT_TRUE(WaitFor([] { return !ResidentRuns(); }, 20000));
        else
            EXPECT_TRUE(ResidentRuns());
        // The end: the resident the editor closed comes back; one it left
        // running is left alone. Neither asks.
        HWND before = FindWindowA("Q-Fendix", nullptr);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(editor_.Wait(20000), 0u);
        EXPECT_TRUE(ResidentRestarted());
        if (before) {
            EXPECT_EQ(FindWindowA("Q-Fendix", nullptr), before);
        }
    }
}

TEST_F(EditorProgram, WithoutAResidentTheEndAsksWhetherToStartIt)
{
    for (WPARAM answer : {IDNO, IDYES}) {
        StartEditor();
        HWND frame = Frame();
        ASSERT_TRUE(frame && Idle(frame));
        EXPECT_EQ(Box(kQuestionCaption, 0), nullptr);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        HWND box = Box("Q-Fendix");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), kRestartQuestion);
        PostMessageA(box, WM_COMMAND, answer, 0);
        EXPECT_EQ(editor_.Wait(20000), 0u);
        EXPECT_EQ(ResidentRuns(), answer == IDYES);
    }
}

// AutoCloseMain closes the resident without asking; the end of the session
// and a crash are ways out too.
TEST_F(EditorProgram, AutoCloseMainMakesTheFoldersAndEveryWayOutStartsTheResidentAgain)
{
    WriteSettings("AutoCloseMain=1\r\n");
    StartResident();
    StartEditor();
    HWND frame = Frame();
    ASSERT_TRUE(frame && Idle(frame));
    ASSERT_EQ(resident_.Wait(15000), 0u);
    EXPECT_EQ(Box(kQuestionCaption, 0), nullptr);
    EXPECT_TRUE(SettingsHold("PoolPath=" + folder_ + "work\\"));
    EXPECT_EQ(GetFileAttributesA((folder_ + "service").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(ResidentRestarted());
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor_.Wait(20000), 0u);

    StartEditor();
    frame = Frame();
    ASSERT_TRUE(frame && Idle(frame));
    ASSERT_TRUE(WaitFor([] { return !ResidentRuns(); }, 15000));
    // A thread that starts at address 0 faults inside the editor.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, editor_.id());
    ASSERT_NE(process, nullptr);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, nullptr, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    CloseHandle(thread);
    CloseHandle(process);
    DWORD code = editor_.Wait(20000);
    EXPECT_NE(code, 0u);
    EXPECT_NE(code, STILL_ACTIVE);
    EXPECT_TRUE(ResidentRestarted());
}

TEST_F(EditorProgram, APoolPathThatCannotBeMadeEndsTheEditorAfterTheFileError)
{
    std::string pool = folder_ + "missing\\deeper\\work\\";
    WriteSettings("PoolPath=" + pool + "\r\n");
    StartResident();
    StartEditor();
    HWND box = Box("Q-Fendix");
    ASSERT_NE(box, nullptr);
    std::string text = MessageBoxText(box);
    EXPECT_NE(text.find("(0x3)\n" + pool), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor_.Wait(20000), 3u);
    EXPECT_EQ(Frame(0), nullptr);
    // Nothing was closed before the failure.
    EXPECT_EQ(resident_.Wait(0), STILL_ACTIVE);
}

TEST_F(EditorProgram, TheVersionBoxKeepsTheFrameDisabledButAnsweringUntilItEnds)
{
    SetEnvironmentVariableA("RECORDER_WAIT_MS", "8000");
    StartEditor();
    SetEnvironmentVariableA("RECORDER_WAIT_MS", nullptr);
    HWND frame = Frame();
    ASSERT_TRUE(frame && Idle(frame));
    PostMessageA(frame, WM_COMMAND, ID_APP_ABOUT, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(frame); }, 10000));
    std::vector<RecordedStart> starts = WaitForRecorderLog(folder_ + "Ombrixa.log");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, Quoted("Ombrixa.exe"));
    // The frame goes on painting and answering while it waits.
    EXPECT_FALSE(IsWindowEnabled(frame));
    EXPECT_TRUE(Idle(frame));
    EXPECT_TRUE(RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(frame) != FALSE; }, 30000));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    HWND box = Box("Q-Fendix");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(editor_.Wait(20000), 0u);
}

}  // namespace
