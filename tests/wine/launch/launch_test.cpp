// Launch strings started through the shell: programs by path with their
// parameters and working folder, special folders and folder menu entries by
// item id list, and every kind of failure reported in the box.
#include "resident/launch/launcher.h"

#include <shellapi.h>
#include "tests/support/test_support.h"
#include "tests/wine/launch/launch_fixture.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace {

using testing_support::ReadRecorderLog;
using testing_support::RecordedStart;
using testing_support::TempFolder;

const char kNotFound[] = "ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙが見つかりません。";

// A copy of the recorder under a name of the test's choosing.
std::string MakeProgram(const std::string& folder, const std::string& name)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + name + ".exe";
    EXPECT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", path));
    return path;
}

RecordedStart WaitForStart(const std::string& programPath)
{
    std::string log = programPath.substr(0, programPath.size() - 4) + ".log";
    std::vector<RecordedStart> starts;
    testing_support::WaitFor([&] { return (starts = ReadRecorderLog(log)).size() > 0; }, 10000);
    EXPECT_EQ(starts.size(), 1u);
    return starts.empty() ? RecordedStart{} : starts[0];
}

// What follows the program in a command line, without surrounding blanks.
std::string ArgumentsOf(const std::string& commandLine)
{
    size_t end = commandLine[0] == '"' ? commandLine.find('"', 1) + 1 : commandLine.find(' ');
    std::string rest = end == std::string::npos ? "" : commandLine.substr(end);
    size_t first = rest.find_first_not_of(' ');
    size_t last = rest.find_last_not_of(' ');
    return first == std::string::npos ? "" : rest.substr(first, last - first + 1);
}

std::string WithoutFinalBackslash(std::string folder)
{
    if (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

// The shell's folder window runs in a process of its own, which would keep
// the test's output open.
void CloseWindowAndItsProcess(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    win32::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process && WaitForSingleObject(process.get(), 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.get(), 0);
}

// The entries of a popup: one item id list under one key.
class OneFolderEntry : public resident::FolderEntryLookup {
public:
    OneFolderEntry(unsigned long key, const std::string& path) : key_(key)
    {
        EXPECT_EQ(SHParseDisplayName(win32::WideFromAnsi(path).c_str(), nullptr, list_.put(), 0, nullptr), S_OK);
    }
    LPCITEMIDLIST FindFolderEntry(unsigned long key) const override { return key == key_ ? list_.get() : nullptr; }

private:
    unsigned long key_;
    win32::UniqueItemIdList list_;
};

using LaunchPathTest = LaunchTest;

TEST_F(LaunchPathTest, ProgramGetsItsParametersAndStartsInItsFolder)
{
    TempFolder temp("launch");
    std::string folder = temp / "my tools\\";
    std::string program = MakeProgram(folder, "prog");
    std::string report = ReportOf([&] { resident::Launch(program, "-x \"a b\""); });
    EXPECT_EQ(report, "");
    RecordedStart start = WaitForStart(program);
    EXPECT_EQ(ArgumentsOf(start.commandLine), "-x \"a b\"");
    EXPECT_EQ(lstrcmpiA(start.folder.c_str(), WithoutFinalBackslash(folder).c_str()), 0) << start.folder;
}

// 表 and ソ end in the byte of a backslash: they must not split the path.
TEST_F(LaunchPathTest, DoubleByteNamesKeepTheirFolderAndEmptyParametersGiveNoArguments)
{
    TempFolder temp("launch");
    std::string folder = temp / "表ソ\\";
    std::string program = MakeProgram(folder, "表");
    EXPECT_EQ(ReportOf([&] { resident::Launch(program, ""); }), "");
    RecordedStart start = WaitForStart(program);
    EXPECT_EQ(ArgumentsOf(start.commandLine), "");
    EXPECT_EQ(lstrcmpiA(start.folder.c_str(), WithoutFinalBackslash(folder).c_str()), 0) << start.folder;
}

TEST_F(LaunchPathTest, WorkingFolderIsDriveAndFolder)
{
    EXPECT_EQ(resident::WorkingFolderOf("D:\\Tools\\app.exe"), "D:\\Tools\\");
    EXPECT_EQ(resident::WorkingFolderOf("D:app.exe"), "D:");
    EXPECT_EQ(resident::WorkingFolderOf("app.exe"), "");
    EXPECT_EQ(resident::WorkingFolderOf("\\\\server\\share\\a.txt"), "\\\\server\\share\\");
}

TEST_F(LaunchPathTest, FailuresAreReportedWithTheirReason)
{
    TempFolder temp("launch");
    std::string missing = temp / "missing.exe";
    EXPECT_EQ(ReportOf([&] { resident::Launch(missing, "-x"); }), ExpectedReport(kNotFound, missing, 2));

    std::string unassociated = temp / "data.zzqq";
    testing_support::WriteFileBytes(unassociated, "x");
    EXPECT_EQ(ReportOf([&] { resident::Launch(unassociated, ""); }), ExpectedReport(unassociated, 31));
}

using LaunchSpecialFolderTest = LaunchTest;

TEST_F(LaunchSpecialFolderTest, NumberOpensTheFolderThroughItsItemIdList)
{
    win32::UniqueItemIdList documents;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, documents.put()), S_OK);
    SHFILEINFOA info = {};
    SHGetFileInfoA(reinterpret_cast<const char*>(documents.get()), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_DISPLAYNAME);

    EXPECT_EQ(ReportOf([] { resident::Launch("&#5", ""); }), "");
    HWND window = nullptr;
    testing_support::WaitFor([&] { return (window = FindWindowA("ExplorerWClass", info.szDisplayName)); }, 10000);
    ASSERT_NE(window, nullptr) << info.szDisplayName;
    CloseWindowAndItsProcess(window);
}

TEST_F(LaunchSpecialFolderTest, ShortOrUnknownNumbersArePlainPathsThatFail)
{
    for (const char* target : {"&#", "&0x", "&#999", "&#5x", "&#-1"})
        EXPECT_EQ(ReportOf([&] { resident::Launch(target, ""); }), ExpectedReport(kNotFound, target, 2)) << target;
}

using LaunchFolderEntryTest = LaunchTest;

// A menu file can hold any "&0x" text: it is only ever looked up as a key.
TEST_F(LaunchFolderEntryTest, ForgedOrStaleKeysAreRefused)
{
    OneFolderEntry entries(0x2a, "C:\\windows");
    ASSERT_EQ(resident::FolderEntryTarget(0x2a), "&0x2a");
    for (const char* target : {"&0x12345678", "&0x2b", "&0x2a0", "&0xzz", "&0x2a ", "&0x123456789"})
        EXPECT_EQ(ReportOf([&] { resident::Launch(target, "", &entries); }), ExpectedReport(kNotFound, target, 2))
            << target;
    EXPECT_EQ(ReportOf([] { resident::Launch("&0x2a", "", nullptr); }), ExpectedReport(kNotFound, "&0x2a", 2));
}

}  // namespace
