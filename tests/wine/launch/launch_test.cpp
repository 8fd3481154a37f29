// Launch strings started through the shell: programs by path with their
// parameters and working folder, special folders by item id list, and every
// kind of failure reported in the box, with the string table's texts byte
// for byte as the user must read them in Shift-JIS.
#include "resident/launch/launcher.h"

#include <shellapi.h>
#include "resident/launch/launch_failure_report.h"
#include "tests/support/test_support.h"
#include "tests/wine/launch/launch_fixture.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace {

using namespace testing_support;

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
    std::vector<RecordedStart> starts = testing_support::WaitForRecorderLog(log);
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

// The shell's folder window runs in a process of its own, which would keep
// the test's output open.
void CloseWindowAndItsProcess(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    win32::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process && WaitForSingleObject(process.get(), testing_support::kPatienceMs) != WAIT_OBJECT_0)
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

// 表 and ソ end in the byte of a backslash: they must not split the path.
TEST_F(LaunchPathTest, ProgramGetsItsParametersAndStartsInItsFolder)
{
    TempFolder temp("launch");
    struct Case {
        std::string folder, name, parameters;
    } const cases[] = {{temp / "my tools\\", "prog", "-x \"a b\""}, {temp / "表ソ\\", "表", ""}};
    for (const Case& c : cases) {
        std::string program = MakeProgram(c.folder, c.name);
        EXPECT_EQ(ReportOf([&] { resident::Launch(program, c.parameters); }), "");
        RecordedStart start = WaitForStart(program);
        EXPECT_EQ(ArgumentsOf(start.commandLine), c.parameters);
        std::string folder = c.folder.substr(0, c.folder.size() - 1);
        EXPECT_EQ(lstrcmpiA(start.folder.c_str(), folder.c_str()), 0) << start.folder;
    }
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
    std::string unassociated = temp / "data.zzqq";
    testing_support::WriteFileBytes(unassociated, "x");
    EXPECT_EQ(ReportOf([&] { resident::Launch(unassociated, ""); }), ExpectedReport(unassociated, 31));
    // Short or unknown numbers are plain paths.
    for (const std::string& target : {temp / "missing.exe", std::string("&#"), std::string("&0x"),
                                      std::string("&#999"), std::string("&#5x"), std::string("&#-1")})
        EXPECT_EQ(ReportOf([&] { resident::Launch(target, "-x"); }), NotFoundReport(target)) << target;
}

TEST_F(LaunchPathTest, ReportTextsOfString135WithAReasonElse134AndNoneForSuccess)
{
    const std::string path = "D:\\ﾂｰﾙ\\表.exe";
    EXPECT_EQ(resident::LaunchFailureText(3, path), ExpectedReport(path, 3, "ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙのﾊﾟｽが見つかりません。"));
    EXPECT_EQ(resident::LaunchFailureText(5, path), ExpectedReport(path, 5, "ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙへのｱｸｾｽが拒否されました。"));
    EXPECT_EQ(resident::LaunchFailureText(8, path), ExpectedReport(path, 8, "ﾒﾓﾘ不足が発生しました。"));
    EXPECT_EQ(resident::LaunchFailureText(0, "a.doc"), ExpectedReport("a.doc", 0));
    // A path is data, never a format.
    EXPECT_EQ(resident::LaunchFailureText(32, "%s%n.doc"), ExpectedReport("%s%n.doc", 32));
    EXPECT_EQ(resident::LaunchFailureText(33, "a.doc"), "");
    EXPECT_EQ(resident::LaunchFailureText(42, "a.doc"), "");
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
    testing_support::WaitFor([&] { return (window = FindWindowA("ExplorerWClass", info.szDisplayName)); });
    ASSERT_NE(window, nullptr) << info.szDisplayName;
    CloseWindowAndItsProcess(window);
}

using LaunchFolderEntryTest = LaunchTest;

// A menu file can hold any "&0x" text: it is only ever looked up as a key.
TEST_F(LaunchFolderEntryTest, ForgedOrStaleKeysAreRefused)
{
    OneFolderEntry entries(0x2a, "C:\\windows");
    ASSERT_EQ(resident::FolderEntryTarget(0x2a), "&0x2a");
    for (const char* target : {"&0x12345678", "&0x2b", "&0x2a0", "&0xzz", "&0x2a ", "&0x123456789"})
        EXPECT_EQ(ReportOf([&] { resident::Launch(target, "", &entries); }), NotFoundReport(target))
            << target;
    EXPECT_EQ(ReportOf([] { resident::Launch("&0x2a", "", nullptr); }), NotFoundReport("&0x2a"));
}

}  // namespace
