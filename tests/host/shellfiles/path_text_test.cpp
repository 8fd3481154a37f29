// The portable path texts: reference expansion, file name cleaning, icon
// locations and command lines, with Shift-JIS trail bytes 0x5C and 0x7C.
// Built natively and for Wine, where the environment and the lead bytes are
// the system's.
#include <gtest/gtest.h>
#include <cstdlib>
#ifdef _WIN32
#include <windows.h>
#endif
#include "shellfiles/file_name.h"
#include "shellfiles/file_path.h"
#include "shellfiles/icon_location.h"
#include "shellfiles/program_command.h"

using namespace shellfiles;

namespace {

void SetVariable(const char* name, const std::string& value)
{
#ifdef _WIN32
    SetEnvironmentVariableA(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

void ClearVariable(const char* name)
{
#ifdef _WIN32
    SetEnvironmentVariableA(name, nullptr);
#else
    unsetenv(name);
#endif
}

// "ソ" and "ポ": trail bytes 0x5C (\) and 0x7C (|).
const char kSo[] = "ソ";
const char kPo[] = "ポ";

class Expansion : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetVariable("OMBRIX_WINDIR", "D:\\WINDOWS");
        SetVariable("OMBRIX_LONG", std::string(300, 'x'));
        ClearVariable("OMBRIX_NOSUCHVAR");
    }
};

}  // namespace

TEST_F(Expansion, KnownUnknownAndEmptyReferences)
{
    EXPECT_EQ(ExpandReferences("%OMBRIX_WINDIR%\\work\\"), "D:\\WINDOWS\\work\\");
    EXPECT_EQ(ExpandReferences("%OMBRIX_NOSUCHVAR%\\x"), "%OMBRIX_NOSUCHVAR%\\x");
    EXPECT_EQ(ExpandReferences("a%%b"), "a%%b");
    EXPECT_EQ(ExpandReferences("%OMBRIX_WINDIR%%OMBRIX_WINDIR%"), "D:\\WINDOWSD:\\WINDOWS");
    EXPECT_EQ(ExpandReferences("plain"), "plain");
    EXPECT_EQ(ExpandReferences(""), "");
}

TEST_F(Expansion, OpenReferenceAtTheEndIsDropped)
{
    EXPECT_EQ(ExpandReferences("100%"), "100");
    EXPECT_EQ(ExpandReferences("a%OMBRIX_WINDIR"), "a");
    // An unknown reference is closed by its second "%": the third opens anew.
    EXPECT_EQ(ExpandReferences("%OMBRIX_NOSUCHVAR%x%y"), "%OMBRIX_NOSUCHVAR%x");
}

TEST_F(Expansion, ValuesOfAnyLength)
{
    std::string expanded = ExpandReferences("%OMBRIX_LONG%\\y");
    EXPECT_EQ(expanded, std::string(300, 'x') + "\\y");
    std::string longText(1000, 'a');
    EXPECT_EQ(ExpandReferences(longText + "%OMBRIX_WINDIR%"), longText + "D:\\WINDOWS");
}

TEST_F(Expansion, DoubleByteCharactersStayWhole)
{
    // A double-byte character whose trail byte is 0x25 ("%") does not exist
    // in Shift-JIS, but lead bytes must not split: 0x81 0x93 is "％".
    std::string wide = "\x81\x93";
    EXPECT_EQ(ExpandReferences(wide + "%OMBRIX_WINDIR%" + kSo), wide + "D:\\WINDOWS" + kSo);
    // A lead byte at the very end is copied.
    EXPECT_EQ(ExpandReferences("%OMBRIX_WINDIR%\x83"), "D:\\WINDOWS\x83");
}

TEST(FilePathText, AssignmentExpands)
{
    SetVariable("OMBRIX_POOL", "E:\\Pool");
    FilePath path("%OMBRIX_POOL%\\a.txt");
    EXPECT_EQ(path.str(), "E:\\Pool\\a.txt");
    path = "%OMBRIX_POOL%";
    EXPECT_EQ(path.str(), "E:\\Pool");
}

TEST(SplitPath, FourParts)
{
    PathParts parts = SplitPath("D:\\x\\y.z\\name.tar.gz");
    EXPECT_EQ(parts.drive, "D:");
    EXPECT_EQ(parts.folder, "\\x\\y.z\\");
    EXPECT_EQ(parts.name, "name.tar");
    EXPECT_EQ(parts.extension, ".gz");
    parts = SplitPath(std::string("\\\\server\\share\\") + kSo);
    EXPECT_EQ(parts.drive, "");
    EXPECT_EQ(parts.folder, "\\\\server\\share\\");
    EXPECT_EQ(parts.name, kSo);
    EXPECT_EQ(parts.extension, "");
}

TEST(CleanFileName, DeletesForbiddenCharactersOfTheNameOnly)
{
    std::string path = "D:\\x\\What? Now.lnk";
    EXPECT_FALSE(CleanFileName(path));
    EXPECT_EQ(path, "D:\\x\\What Now.lnk");

    path = "D:\\x\\???.lnk";
    EXPECT_FALSE(CleanFileName(path));
    EXPECT_EQ(path, "D:\\x\\temp999.lnk");

    path = "D:\\x\\a<b>c|d*e:f\"g.lnk";
    EXPECT_FALSE(CleanFileName(path));
    EXPECT_EQ(path, "D:\\x\\abcdefg.lnk");

    path = "D:\\x\\fine name.lnk";
    EXPECT_TRUE(CleanFileName(path));
    EXPECT_EQ(path, "D:\\x\\fine name.lnk");
}

TEST(CleanFileName, KeepFlagOnlyTests)
{
    std::string path = "D:\\x\\a?.lnk";
    EXPECT_FALSE(CleanFileName(path, true));
    EXPECT_EQ(path, "D:\\x\\a?.lnk");
}

TEST(CleanFileName, TrailBytesAreNotForbiddenCharacters)
{
    // ポ ends in 0x7C ("|") and ソ in 0x5C ("\"): both are kept whole, and a
    // folder named ソ is not cut at its trail byte.
    std::string folder = std::string("D:\\") + kSo + "\\";
    std::string path = folder + kPo + "?" + kSo + ".lnk";
    EXPECT_FALSE(CleanFileName(path));
    EXPECT_EQ(path, folder + kPo + kSo + ".lnk");
    path = folder + kPo + ".lnk";
    EXPECT_TRUE(CleanFileName(path));
}

TEST(CleanFileName, LongNamesAreNotCut)
{
    std::string name(400, 'n');
    std::string path = "D:\\x\\" + name + "?.lnk";
    EXPECT_FALSE(CleanFileName(path));
    EXPECT_EQ(path, "D:\\x\\" + name + ".lnk");
}

TEST(IconLocation, JoinAndSplit)
{
    EXPECT_EQ(JoinIconLocation("D:\\a.dll", 3), "D:\\a.dll|3");
    EXPECT_EQ(JoinIconLocation("D:\\a.dll", 0), "D:\\a.dll");
    EXPECT_EQ(JoinIconLocation("D:\\a.dll", 4294967295u), "D:\\a.dll|4294967295");

    IconLocation location = SplitIconLocation("D:\\a.dll|3");
    EXPECT_EQ(location.path, "D:\\a.dll");
    EXPECT_EQ(location.number, 3);
    location = SplitIconLocation("|5");
    EXPECT_EQ(location.path, "");
    EXPECT_EQ(location.number, 5);
    location = SplitIconLocation("D:\\a.dll");
    EXPECT_EQ(location.path, "D:\\a.dll");
    EXPECT_EQ(location.number, 0);
    location = SplitIconLocation("a|b|-7x");
    EXPECT_EQ(location.path, "a|b");
    EXPECT_EQ(location.number, -7);
    location = SplitIconLocation("D:\\a.dll|");
    EXPECT_EQ(location.path, "D:\\a.dll");
    EXPECT_EQ(location.number, 0);
}

TEST(IconLocation, TrailByteIsNotTheSeparator)
{
    std::string path = std::string("D:\\") + kPo + ".ico";
    IconLocation location = SplitIconLocation(path);
    EXPECT_EQ(location.path, path);
    EXPECT_EQ(location.number, 0);
    location = SplitIconLocation(std::string("D:\\") + kPo);
    EXPECT_EQ(location.path, std::string("D:\\") + kPo);
    location = SplitIconLocation(JoinIconLocation(path, 12));
    EXPECT_EQ(location.path, path);
    EXPECT_EQ(location.number, 12);
}

TEST(LeadingNumber, AtoiRules)
{
    EXPECT_EQ(LeadingNumber("-152"), -152);
    EXPECT_EQ(LeadingNumber(" +7abc"), 7);
    EXPECT_EQ(LeadingNumber("x1"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
}

TEST(ProgramFromCommand, QuotedUpToExeOrWhole)
{
    EXPECT_EQ(ProgramFromCommand("\"D:\\Program Files\\x\\y.exe\" /a"), "D:\\Program Files\\x\\y.exe");
    EXPECT_EQ(ProgramFromCommand("D:\\WINDOWS\\NOTEPAD.EXE %1"), "D:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(ProgramFromCommand("rundll32.exe shimgvw.dll,x"), "rundll32.exe");
    EXPECT_EQ(ProgramFromCommand("D:\\tools\\view.com /s"), "D:\\tools\\view.com /s");
    // The whole text is expanded too: its "%1" is an open reference.
    EXPECT_EQ(ProgramFromCommand("D:\\tools\\view.com %1"), "D:\\tools\\view.com ");
    // The last ".exe" wins; one with fewer than two characters before it
    // does not count.
    EXPECT_EQ(ProgramFromCommand("D:\\a.exe\\b.EXE x.exe"), "D:\\a.exe\\b.EXE x.exe");
    EXPECT_EQ(ProgramFromCommand("D:\\a.exe\\b.EXE x"), "D:\\a.exe\\b.EXE");
    EXPECT_EQ(ProgramFromCommand("x.exe /a"), "x.exe /a");
    EXPECT_EQ(ProgramFromCommand("ab.exe /a"), "ab.exe");
}

TEST(ProgramFromCommand, UnclosedQuoteAndExpansion)
{
    EXPECT_EQ(ProgramFromCommand("\"D:\\a b\\c.exe\""), "D:\\a b\\c.exe");
    EXPECT_EQ(ProgramFromCommand("\"D:\\a b\\c.exe"), "D:\\a b\\c.ex");
    EXPECT_EQ(ProgramFromCommand("\""), "");
    SetVariable("OMBRIX_ROOT", "C:\\WINNT");
    EXPECT_EQ(ProgramFromCommand("%OMBRIX_ROOT%\\system32\\NOTEPAD.EXE %1"), "C:\\WINNT\\system32\\NOTEPAD.EXE");
    EXPECT_EQ(ProgramFromCommand("\"%OMBRIX_ROOT%\\a.exe\" %1"), "C:\\WINNT\\a.exe");
}
