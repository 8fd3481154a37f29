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

// Sets an environment variable, or removes it for nullptr.
void SetVariable(const char* name, const char* value)
{
#ifdef _WIN32
    SetEnvironmentVariableA(name, value);
#else
    value ? setenv(name, value, 1) : unsetenv(name);
#endif
}

// Each input against the text the function must give for it.
template <typename Function>
void ExpectEach(Function function, std::initializer_list<std::pair<std::string, std::string>> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(function(c.first), c.second) << c.first;
}

// "ソ" and "ポ": trail bytes 0x5C (\) and 0x7C (|).
const char kSo[] = "ソ";
const char kPo[] = "ポ";

}  // namespace

TEST(Expansion, ReferencesOfAnyLengthOpenOnesDroppedDoubleByteCharactersWhole)
{
    SetVariable("OMBRIX_WINDIR", "D:\\WINDOWS");
    SetVariable("OMBRIX_LONG", std::string(300, 'x').c_str());
    SetVariable("OMBRIX_NOSUCHVAR", nullptr);
    const std::string longText(1000, 'a');
    // 0x81 0x93 is "％": a lead byte must not split its character.
    const std::string wide = "\x81\x93";
    ExpectEach(ExpandReferences,
               {{"%OMBRIX_WINDIR%\\work\\", "D:\\WINDOWS\\work\\"},
                {"%OMBRIX_NOSUCHVAR%\\x", "%OMBRIX_NOSUCHVAR%\\x"},
                {"a%%b", "a%%b"},
                {"%OMBRIX_WINDIR%%OMBRIX_WINDIR%", "D:\\WINDOWSD:\\WINDOWS"},
                {"", ""},
                {"100%", "100"},
                {"a%OMBRIX_WINDIR", "a"},
                // An unknown reference is closed by its second "%": the third opens anew.
                {"%OMBRIX_NOSUCHVAR%x%y", "%OMBRIX_NOSUCHVAR%x"},
                {"%OMBRIX_LONG%\\y", std::string(300, 'x') + "\\y"},
                {longText + "%OMBRIX_WINDIR%", longText + "D:\\WINDOWS"},
                {wide + "%OMBRIX_WINDIR%" + kSo, wide + "D:\\WINDOWS" + kSo},
                {"%OMBRIX_WINDIR%\x83", "D:\\WINDOWS\x83"}});
}

TEST(FilePathText, AssignmentExpands)
{
    SetVariable("OMBRIX_POOL", "E:\\Pool");
    FilePath path("%OMBRIX_POOL%\\a.txt");
    EXPECT_EQ(path.str(), "E:\\Pool\\a.txt");
    path = "%OMBRIX_POOL%";
    EXPECT_EQ(path.str(), "E:\\Pool");
}

TEST(CleanFileName, DeletesForbiddenCharactersOfTheNameOnly)
{
    // ポ ends in 0x7C ("|") and ソ in 0x5C ("\"): both are kept whole, and a
    // folder named ソ is not cut at its trail byte.
    const std::string so = std::string("D:\\") + kSo + "\\";
    const std::string longName(400, 'n');
    const struct {
        std::string path, cleaned;
        bool clean;
    } cases[] = {
        {"D:\\x\\What? Now.lnk", "D:\\x\\What Now.lnk", false},
        {"D:\\x\\???.lnk", "D:\\x\\temp999.lnk", false},
        {"D:\\x\\a<b>c|d*e:f\"g.lnk", "D:\\x\\abcdefg.lnk", false},
        {"D:\\x\\fine name.lnk", "D:\\x\\fine name.lnk", true},
        {"D:\\x\\v1.2?.lnk", "D:\\x\\v1.2.lnk", false},  // the extension starts at the last dot
        {"D:a?.lnk", "D:a.lnk", false},
        {so + kPo + "?" + kSo + ".lnk", so + kPo + kSo + ".lnk", false},
        {so + kPo + ".lnk", so + kPo + ".lnk", true},
        {"D:\\x\\" + longName + "?.lnk", "D:\\x\\" + longName + ".lnk", false},
    };
    for (const auto& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(CleanFileName(path), c.clean) << c.path;
        EXPECT_EQ(path, c.cleaned);
    }
    // The keep flag only tests.
    std::string path = "D:\\x\\a?.lnk";
    EXPECT_FALSE(CleanFileName(path, true));
    EXPECT_EQ(path, "D:\\x\\a?.lnk");
}

TEST(IconLocation, Split)
{
    // ポ ends in 0x7C ("|"), which is not the separator.
    const std::string po = std::string("D:\\") + kPo;
    const struct {
        std::string text, path;
        int number;
    } cases[] = {
        {"D:\\a.dll|3", "D:\\a.dll", 3}, {"|5", "", 5},         {"D:\\a.dll", "D:\\a.dll", 0},
        {"a|b|-7x", "a|b", -7},          {"D:\\a.dll|", "D:\\a.dll", 0}, {po + ".ico", po + ".ico", 0},
        {po, po, 0},                     {po + "|12", po, 12},
    };
    for (const auto& c : cases) {
        IconLocation location = SplitIconLocation(c.text);
        EXPECT_EQ(location.path, c.path) << c.text;
        EXPECT_EQ(location.number, c.number) << c.text;
    }
}

TEST(LeadingNumber, AtoiRulesWithoutOverflow)
{
    EXPECT_EQ(LeadingNumber("-152"), -152);
    EXPECT_EQ(LeadingNumber(" +7abc"), 7);
    EXPECT_EQ(LeadingNumber("x1"), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
}

TEST(ProgramFromCommand, QuotedUpToExeOrWholeAfterExpansion)
{
    SetVariable("OMBRIX_ROOT", "C:\\WINNT");
    ExpectEach(ProgramFromCommand,
               {{"\"D:\\Program Files\\x\\y.exe\" /a", "D:\\Program Files\\x\\y.exe"},
                {"D:\\WINDOWS\\NOTEPAD.EXE %1", "D:\\WINDOWS\\NOTEPAD.EXE"},
                {"rundll32.exe shimgvw.dll,x", "rundll32.exe"},
                {"D:\\tools\\view.com /s", "D:\\tools\\view.com /s"},
                // The whole text is expanded too: its "%1" is an open reference.
                {"D:\\tools\\view.com %1", "D:\\tools\\view.com "},
                // The last ".exe" wins; one with fewer than two characters
                // before it does not count.
                {"D:\\a.exe\\b.EXE x.exe", "D:\\a.exe\\b.EXE x.exe"},
                {"D:\\a.exe\\b.EXE x", "D:\\a.exe\\b.EXE"},
                {"x.exe /a", "x.exe /a"},
                {"ab.exe /a", "ab.exe"},
                // An unclosed quote drops the last character, as documented.
                {"\"D:\\a b\\c.exe\"", "D:\\a b\\c.exe"},
                {"\"D:\\a b\\c.exe", "D:\\a b\\c.ex"},
                {"\"", ""},
                {"%OMBRIX_ROOT%\\system32\\NOTEPAD.EXE %1", "C:\\WINNT\\system32\\NOTEPAD.EXE"},
                {"\"%OMBRIX_ROOT%\\a.exe\" %1", "C:\\WINNT\\a.exe"}});
}
