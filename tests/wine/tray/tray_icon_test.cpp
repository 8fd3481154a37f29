// Tray icons shown through the real shell, with their faces compared by
// what they draw.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <cstring>
#include "resident/app.h"
#include "resident/tray/tray_icon.h"
#include "resident/tray/tray_settings.h"
#include "resources/resident/resource_ids.h"
#include "settings/ini_file.h"
#include "tests/support/test_support.h"
#include "tests/wine/tray/tray_test_support.h"

using namespace resident;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

namespace {

std::vector<uint32_t> TodaysFace()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ResourceIconPixels(IDI_DAY_BASE + now.wDay);
}

class TrayIcons : public ::testing::Test {
protected:
    void SetUp() override { TheApp().instance = GetModuleHandleA(nullptr); }

    // Icons of a [Main] with TrayNo = count of the sections given.
    std::unique_ptr<TraySettings> Load(const std::vector<std::string>& sections)
    {
        std::string text = "[Main]\r\nTrayNo=" + std::to_string(sections.size()) + "\r\n";
        for (size_t i = 0; i < sections.size(); ++i)
            text += "[Section" + std::to_string(i + 1) + "]\r\n" + sections[i] + "\r\n";
        EXPECT_TRUE(WriteFileBytes(temp_ / "Ombrix.ini", text));
        return std::make_unique<TraySettings>(window_.get(), settings::IniFile(temp_ / "Ombrix.ini"), temp_.path());
    }

    std::vector<uint32_t> Face(TrayIcon& icon, bool pressed) { return IconPixels(icon.Face(pressed).get()); }

    TempFolder temp_{"tray"};
    TestWindow window_;
};

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

TEST_F(TrayIcons, WithoutIconFilesTheDefaultsAreShown)
{
    auto tray = Load({"Desc=plain", "IconUp=C:\\no\\such.ico\r\nIconDown=C:\\no\\such.dll\r\nIconNoDown=4"});
    for (int id = 0; id < 2; ++id) {
        EXPECT_EQ(Face(tray->icon(id), false), ResourceIconPixels(IDI_TRAY_NORMAL)) << id;
        EXPECT_EQ(Face(tray->icon(id), true), ResourceIconPixels(IDI_TRAY_PRESSED)) << id;
    }
    EXPECT_NE(ResourceIconPixels(IDI_TRAY_NORMAL), ResourceIconPixels(IDI_TRAY_PRESSED));
}

TEST_F(TrayIcons, IconFilesGiveTheirSmallIcon)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string shell32 = std::string(system) + "\\shell32.dll";
    auto tray = Load({"IconUp=" + shell32 + "\r\nIconNoUp=3\r\nIconDown=" + shell32 + "\r\nIconNoDown=4"});
    HICON expected = nullptr;
    ASSERT_EQ(ExtractIconExA(shell32.c_str(), 3, nullptr, &expected, 1), 1u);
    EXPECT_EQ(Face(tray->icon(0), false), IconPixels(expected));
    DestroyIcon(expected);
    EXPECT_NE(Face(tray->icon(0), false), ResourceIconPixels(IDI_TRAY_NORMAL));
    EXPECT_NE(Face(tray->icon(0), true), Face(tray->icon(0), false));
}

TEST_F(TrayIcons, FlagsChooseTheDayFaceAndThePressedLook)
{
    auto tray = Load({"Flags=1\r\nIconUp=C:\\x.ico", "Flags=3", "Flags=2"});
    EXPECT_EQ(Face(tray->icon(0), false), TodaysFace());
    EXPECT_EQ(Face(tray->icon(0), true), TodaysFace());
    EXPECT_EQ(Face(tray->icon(1), false), TodaysFace());
    EXPECT_TRUE(Face(tray->icon(1), true).empty());
    EXPECT_EQ(Face(tray->icon(2), false), ResourceIconPixels(IDI_TRAY_NORMAL));
    EXPECT_TRUE(Face(tray->icon(2), true).empty());
    // No pressed look: nothing is sent to the shell.
    EXPECT_FALSE(tray->icon(2).Update(NIM_MODIFY, true));
}

TEST_F(TrayIcons, EveryDayHasItsOwnFace)
{
    std::vector<std::vector<uint32_t>> faces;
    for (int day = 1; day <= 31; ++day) {
        faces.push_back(ResourceIconPixels(IDI_DAY_BASE + day));
        ASSERT_FALSE(faces.back().empty()) << day;
        for (int earlier = 1; earlier < day; ++earlier)
            EXPECT_NE(faces[static_cast<size_t>(earlier - 1)], faces.back()) << earlier << " " << day;
    }
}

TEST_F(TrayIcons, TheShellGetsTheIconsUntilTheyAreDeleted)
{
    std::string longDescription(120, 'd');
    auto tray = Load({"Desc=" + longDescription, "Flags=1\r\nDesc=カレンダー"});
    ASSERT_TRUE(ShellKnowsIcon(window_.get(), 0)) << "no notification area in this session";
    EXPECT_TRUE(ShellKnowsIcon(window_.get(), 1));
    EXPECT_FALSE(ShellKnowsIcon(window_.get(), 2));
    EXPECT_TRUE(tray->icon(0).Update(NIM_MODIFY, true));
    EXPECT_TRUE(tray->icon(0).Update(NIM_MODIFY, false));
    tray->icon(0).OnEvent(WM_LBUTTONUP);
    tray.reset();
    EXPECT_FALSE(ShellKnowsIcon(window_.get(), 0));
    EXPECT_FALSE(ShellKnowsIcon(window_.get(), 1));
}
