// The credits panel: its lines and styles, the scroll that enters line by
// line at the bottom and starts again after the last, and its timer.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "setup/about_dialog.h"
#include "setup/credit_lines.h"
#include "setup/credits_control.h"
#include "tests/support/test_support.h"
#include "win32/unique_handle.h"

namespace {

using setup::CreditLine;
using setup::CreditStyle;

std::vector<std::string> Texts(const std::vector<CreditLine>& lines)
{
    std::vector<std::string> texts;
    for (const CreditLine& line : lines)
        texts.push_back(line.text);
    return texts;
}

TEST(CreditLines, SplitAtEveryBarAndStyledByTheirLastCharacter)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Texts(setup::SplitCreditLines("a||b|")), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(Texts(setup::SplitCreditLines("")), (Lines{""}));
    // The trail byte of "ポ" is "|" and that of "タ" is "^": neither is a
    // separator or a style.
    EXPECT_EQ(Texts(setup::SplitCreditLines("ポ|x")), (Lines{"ポ", "x"}));
    struct Case {
        const char* raw;
        CreditStyle style;
        const char* text;
    } cases[] = {
        // (Headings, titles, bitmaps and plain lines show in the panel's line heights.)
        {"Cyan\r", CreditStyle::Subtitle, "Cyan"}, {"", CreditStyle::Normal, ""},
        {"a^b", CreditStyle::Normal, "a^b"},       {"データ", CreditStyle::Normal, "データ"},
    };
    for (const Case& c : cases) {
        CreditLine line = setup::ParseCreditLine(c.raw);
        EXPECT_EQ(line.style, c.style) << c.raw;
        EXPECT_EQ(line.text, c.text) << c.raw;
    }
}

// A visible panel of its own, as the dialog's control 200 is.
class Panel : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 120, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(credits_.Attach(window_));
        credits_.SetColors(RGB(255, 255, 255), RGB(0, 0, 0));
    }
    void TearDown() override
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }

    // Paints now and counts the canvas pixels of one colour in rows [top, bottom).
    int CountPixels(COLORREF color, int top, int bottom)
    {
        UpdateWindow(window_);
        win32::UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
        win32::SelectObjectGuard select(memory.get(), credits_.canvas());
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 200; ++x)
                count += GetPixel(memory.get(), x, y) == color;
        return count;
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            credits_.Tick();
    }

    HWND window_ = nullptr;
    setup::CreditsControl credits_;
};

// Line by line, each as high as its style, the first again after the last.
TEST_F(Panel, EntersAtTheBottomOfAnEmptyPanelInTheLineColours)
{
    credits_.SetText("Red\t|plain|Yellow\n|CREDITS_LOGO^", GetModuleHandleA(nullptr));
    const int heights[] = {21, 15, 19, 7};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(credits_.LineHeight(i), heights[i]) << i;

    const COLORREF red = RGB(255, 0, 0), logo = RGB(255, 0, 255);
    credits_.SetText("Red\t|CREDITS_LOGO^|||||||||", GetModuleHandleA(nullptr));
    EXPECT_EQ(CountPixels(RGB(255, 255, 255), 0, 120), 200 * 120);

    Ticks(21);
    EXPECT_GT(CountPixels(red, 120 - 21, 120), 20);
    EXPECT_EQ(CountPixels(red, 0, 120 - 21), 0);
    Ticks(7);
    EXPECT_GT(CountPixels(logo, 120 - 7, 120), 10);
    EXPECT_GT(CountPixels(red, 120 - 28, 120 - 7), 20);

    // Scrolled out at the top, then in again from the bottom.
    Ticks(21 + 7 + 15 * 8 - 28);
    EXPECT_EQ(CountPixels(red, 0, 120), 0);
    Ticks(15 + 21);
    EXPECT_GT(CountPixels(red, 120 - 21, 120), 20);
    EXPECT_EQ(credits_.currentLine(), 1u);
}

TEST_F(Panel, TimerScrollsAtTheChosenSpeedUntilThePanelGoes)
{
    credits_.SetText("a|b", nullptr);
    // Speeds past the fastest are the fastest.
    credits_.SetSpeed(7);
    EXPECT_EQ(credits_.delay(), 10u);

    ASSERT_TRUE(credits_.Start());
    EXPECT_TRUE(testing_support::WaitFor([&] { return credits_.offsetInLine() >= 5; }));

    DestroyWindow(window_);
    EXPECT_FALSE(credits_.running());
    EXPECT_FALSE(KillTimer(window_, setup::CreditsControl::kTimerId));
}

}  // namespace
