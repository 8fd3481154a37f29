// Tray icons shown through the real shell, with their faces compared by
// what they draw.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include "resident/tray/tray_icon.h"
#include "resources/resident/resource_ids.h"
#include "tests/wine/tray/tray_test_support.h"

using namespace resident;

namespace {

std::vector<uint32_t> TodaysFace()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ResourceIconPixels(IDI_DAY_BASE + now.wDay);
}

std::vector<uint32_t> Face(TrayIcon& icon, bool pressed)
{
    return IconPixels(icon.Face(pressed).get());
}

using TrayIcons = TrayTest;

}  // namespace

TEST(TipText, LongDescriptionsAreCutOnACharacterBoundary)
{
    EXPECT_EQ(TipText(std::string(63, 'a')), std::string(63, 'a'));
    EXPECT_EQ(TipText(std::string(100, 'a')), std::string(63, 'a'));
    std::string kanji;
    for (int i = 0; i < 40; ++i)
        kanji += "表";
    EXPECT_EQ(TipText("a" + kanji), "a" + kanji.substr(0, 62));
    EXPECT_EQ(TipText("ab" + kanji), "ab" + kanji.substr(0, 60));
    EXPECT_EQ(TipText("メモ帳"), "メモ帳");
}

TEST_F(TrayIcons, IconFilesGiveTheirSmallIconElseTheDefaultsAreShown)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string shell32 = std::string(system) + "\\shell32.dll";
    auto tray = Load(TraySections({"IconUp=" + shell32 + "\r\nIconNoUp=3\r\nIconDown=" + shell32 + "\r\nIconNoDown=4",
                                   "IconUp=C:\\no\\such.ico\r\nIconDown=C:\\no\\such.dll\r\nIconNoDown=4"}));
    HICON expected = nullptr;
    ASSERT_EQ(ExtractIconExA(shell32.c_str(), 3, nullptr, &expected, 1), 1u);
    EXPECT_EQ(Face(tray->icon(0), false), IconPixels(expected));
    DestroyIcon(expected);
    EXPECT_NE(Face(tray->icon(0), true), Face(tray->icon(0), false));

    EXPECT_EQ(Face(tray->icon(1), false), ResourceIconPixels(IDI_TRAY_NORMAL));
    EXPECT_EQ(Face(tray->icon(1), true), ResourceIconPixels(IDI_TRAY_PRESSED));
    EXPECT_NE(ResourceIconPixels(IDI_TRAY_NORMAL), ResourceIconPixels(IDI_TRAY_PRESSED));
    EXPECT_NE(Face(tray->icon(0), false), ResourceIconPixels(IDI_TRAY_NORMAL));
}

TEST_F(TrayIcons, FlagsChooseTheDayFaceAndThePressedLook)
{
    auto tray = Load(TraySections({"Flags=1\r\nIconUp=C:\\x.ico", "Flags=3", "Flags=2"}));
    EXPECT_EQ(Face(tray->icon(0), false), TodaysFace());
    EXPECT_EQ(Face(tray->icon(0), true), TodaysFace());
    EXPECT_EQ(Face(tray->icon(1), false), TodaysFace());
    EXPECT_TRUE(Face(tray->icon(1), true).empty());
    EXPECT_EQ(Face(tray->icon(2), false), ResourceIconPixels(IDI_TRAY_NORMAL));
    EXPECT_TRUE(Face(tray->icon(2), true).empty());
    // No pressed look: nothing is sent to the shell.
    EXPECT_TRUE(tray->icon(0).Update(NIM_MODIFY, true));
    EXPECT_FALSE(tray->icon(2).Update(NIM_MODIFY, true));
}

TEST(DayFaces, EveryDayHasItsOwnFace)
{
    std::vector<std::vector<uint32_t>> faces;
    for (int day = 1; day <= 31; ++day) {
        faces.push_back(ResourceIconPixels(IDI_DAY_BASE + day));
        ASSERT_FALSE(faces.back().empty()) << day;
        for (int earlier = 1; earlier < day; ++earlier)
            EXPECT_NE(faces[static_cast<size_t>(earlier - 1)], faces.back()) << earlier << " " << day;
    }
}
