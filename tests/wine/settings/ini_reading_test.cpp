// The settings as the real private-profile operations read them from files
// written here.
#include <gtest/gtest.h>
#include <sstream>

#include "settings/ini_file.h"
#include "settings/ini_section_reader.h"
#include "settings/keys.h"
#include "settings/main_section.h"
#include "settings/tray_section.h"
#include "tests/support/test_support.h"

using namespace settings;
using namespace testing_support;

namespace {
class IniReading : public ::testing::Test {
protected:
    std::string Write(const std::string& text)
    {
        std::string path = folder_ / "Ombrix.ini";
        EXPECT_TRUE(WriteFileBytes(path, text));
        return path;
    }
    TempFolder folder_{"settings"};
};

// Every field of a section, so that one comparison shows them all.
std::string Fields(const TraySection& s)
{
    std::ostringstream out;
    out << s.flags << '|' << s.description << '|' << s.normalIconFile << ',' << s.normalIconNumber << '|'
        << s.pressedIconFile << ',' << s.pressedIconNumber;
    for (const MenuSide& side : {s.left, s.right})
        out << '|' << side.path << ',' << side.width << ',' << side.options;
    return out.str();
}
}  // namespace

TEST_F(IniReading, FullSectionWithResolvedMenuPaths)
{
    IniFile file(Write("[Main]\r\nTrayNo=2\r\n"
                       "[Section1]\r\nFlags=3\r\nDesc=カレンダー\r\nIconUp=C:\\i\\up.ico\r\nIconNoUp=-5\r\n"
                       "IconDown=C:\\i\\down.dll\r\nIconNoDown=2\r\nMenuPath_L=cal_l.txt\r\n"
                       "MenuPath_R=D:\\m\\r.txt\r\nMenuWidth_L=8\r\nMenuWidth_R=12\r\nOpt_L=458752\r\n"
                       "Opt_R=327680\r\n"));
    EXPECT_EQ(Fields(ReadTraySection(file, 1, "E:\\X\\work\\")),
              Fields({FLAG_DAY_OF_MONTH | FLAG_NO_PRESSED_ICON, "カレンダー", "C:\\i\\down.dll", "C:\\i\\up.ico", 2, -5,
                      {"E:\\X\\work\\cal_l.txt", 8, OPT_ICONS | OPT_LARGE_ICONS | OPT_TEXTS},
                      {"D:\\m\\r.txt", 12, OPT_ICONS | OPT_TEXTS}}));
}

TEST_F(IniReading, MissingKeysSectionsAndFilesTakeTheResidentsDefaults)
{
    IniFile file(Write("[Main]\r\nTrayNo=1\r\n[section2]\r\nDESC=x\r\nopt_l=65536\r\n"));
    EXPECT_EQ(Fields(ReadTraySection(file, 1, "E:\\X\\work\\")), Fields(TraySection{}));

    // Names are matched without regard to case.
    TraySection second = ReadTraySection(file, 2, "E:\\X\\work\\");
    EXPECT_EQ(second.description, "x");
    EXPECT_EQ(second.left.options, OPT_ICONS);
    EXPECT_EQ(second.normalIconNumber, -1);

    IniFile none(folder_ / "absent.ini");
    EXPECT_EQ(none.ReadInt(kMainSection, kIniVersion, 0), 0);
    EXPECT_EQ(none.ReadText("Section1", kDesc), "");
}

TEST_F(IniReading, LongValuesAreCutTo259BytesOnACharacterBoundary)
{
    std::string kanji;
    for (int i = 0; i < 150; ++i)
        kanji += "表";
    IniFile file(Write("[Section1]\r\nDesc=" + std::string(300, 'd') + "\r\nIconUp=aa" + kanji +
                       "\r\nIconDown=a" + kanji + "\r\n"));
    TraySection s = ReadTraySection(file, 1, "");
    EXPECT_EQ(s.description, std::string(300, 'd').substr(0, 259));
    EXPECT_EQ(s.normalIconFile, "aa" + kanji.substr(0, 256));
    EXPECT_EQ(s.pressedIconFile, "a" + kanji.substr(0, 258));
}

TEST_F(IniReading, PoolPathFromTheFileOrBesideTheProgram)
{
    IniFile empty(Write("[Main]\r\nPoolPath=\r\n"));
    EXPECT_EQ(ReadPoolPath(empty, "D:\\Tools\\"), "D:\\Tools\\work\\");
    IniFile set(Write("[Main]\r\nPoolPath=F:\\pool\\\r\nIniVersion=10\r\n"));
    EXPECT_EQ(ReadPoolPath(set, "D:\\Tools\\"), "F:\\pool\\");
    EXPECT_EQ(set.ReadInt(kMainSection, kIniVersion, 0), kCurrentIniVersion);
}

// The section-at-a-time reading answers as the system does key by key, odd
// values included.
TEST_F(IniReading, ASectionAtATimeReadsWhatTheSystemReadsKeyByKey)
{
    std::string path = Write("[main]\r\n TrayNo = 7 \r\ntrayno=9\r\n"
                             "[Section1]\r\nDesc=  \"quoted name\"  \r\nFlags=-3\r\nOpt_L=0x10\r\n"
                             "Opt_R=12abc\r\nIconNoUp=\r\nMenuWidth_L=99999999999\r\nIconUp='single'\r\n"
                             ";Comment=1\r\nDESC=second\r\nMenuPath_L=" + std::string(300, '\x82') + "\r\n"
                             "Broken line\r\nMenuPath_R=a=b\r\n");
    IniFile file(path);
    IniSectionReader sections(path);
    for (const char* key : {"TrayNo", "trayno", "Missing"}) {
        EXPECT_EQ(sections.ReadInt("Main", key, 42), file.ReadInt("Main", key, 42)) << key;
        EXPECT_EQ(sections.ReadText("MAIN", key), file.ReadText("MAIN", key)) << key;
    }
    for (const char* key : {"Desc", "Flags", "Opt_L", "Opt_R", "IconNoUp", "MenuWidth_L", "IconUp", ";Comment",
                            "MenuPath_L", "MenuPath_R", "Broken line", "Missing"}) {
        EXPECT_EQ(sections.ReadInt("Section1", key, 42), file.ReadInt("Section1", key, 42)) << key;
        EXPECT_EQ(sections.ReadText("Section1", key), file.ReadText("Section1", key)) << key;
    }
    EXPECT_EQ(sections.ReadText("No such section", "Desc"), "");
}
