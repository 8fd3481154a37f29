// Tray icons shown through the real shell, with their faces compared by
// what they draw.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include "resident/tray/tray_popup.h"
#include "resident/tray/tray_icon.h"
#include "resources/resident/resource_ids.h"
#include "tests/wine/tray/tray_test_support.h"
#include "win32/file_icon.h"

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
    std::string shell32 = testing_support::SystemFile("shell32.dll");
    auto tray = Load(TraySections({"IconUp=" + shell32 + "\r\nIconNoUp=3\r\nIconDown=" + shell32 + "\r\nIconNoDown=4",
                                   "IconUp=C:\\no\\such.ico\r\nIconDown=C:\\no\\such.dll\r\nIconNoDown=4"}));
    win32::UniqueIcon expected = win32::ExtractFileIcon(shell32, 3, win32::IconSize::Small);
    ASSERT_TRUE(expected);
    EXPECT_EQ(Face(tray->icon(0), false), IconPixels(expected.get()));
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

// The message box of a broken menu file runs a message loop that takes tray
// clicks: one during the box shows nothing, so nothing of the part read
// before the error can be launched.
TEST_F(TrayIcons, AClickWhileABrokenFilesBoxIsOpenDoesNothing)
{
    ASSERT_TRUE(testing_support::WriteFileBytes(temp_ / "broken.txt",
                                                "POPUP m\r\nMENUITEM C:\\a.exe,a\r\nMENU ITEM x\r\nEND\r\n"));
    auto tray = Load(TraySections({"MenuPath_R=broken.txt"}));
    auto shownBoxes = [] {
        std::vector<HWND> boxes;
        for (HWND window : testing_support::WindowsOfProcess(GetCurrentProcessId(), "#32770"))
            if (IsWindowVisible(window))
                boxes.push_back(window);
        return boxes;
    };
    size_t boxes = 0;
    int clicks = 0;
    bool popupShown = false;
    UINT_PTR watch = menus_test::Every(100, [&] {
        if (TrayPopupOpen()) {
            popupShown = true;
            EndMenu();
            return;
        }
        auto shown = shownBoxes();
        if (shown.empty())
            return;
        if (clicks++ == 0) {
            tray->icon(0).OnEvent(WM_RBUTTONDOWN);
            boxes = shownBoxes().size();
        } else {
            PostMessageA(shown.front(), WM_COMMAND, IDNO, 0);
        }
    });
    tray->icon(0).OnEvent(WM_RBUTTONDOWN);
    EXPECT_EQ(boxes, 1u) << "no second box";
    EXPECT_FALSE(popupShown);
    MSG exit;
    EXPECT_TRUE(PeekMessageA(&exit, window_.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(exit.wParam, static_cast<WPARAM>(CMD_EXIT));
    // Clicks after the box show nothing either, until the resident has ended.
    tray->icon(0).OnEvent(WM_RBUTTONDOWN);
    menus_test::Cancel(watch);
    EXPECT_FALSE(popupShown);
}
