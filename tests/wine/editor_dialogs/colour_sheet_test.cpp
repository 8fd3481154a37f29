// The colour sheet of a title run modally and driven from its own loop:
// swatches, the default button, the standard colour dialog, OK, Cancel and
// "全タイトルに適応".
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "editor/dialogs/colour_name.h"
#include "editor/dialogs/colour_sheet.h"
#include "modal_script.h"
#include "screenshot.h"
#include "resources/editor/resource_ids.h"

namespace {

using dialogs_test::Click;
using dialogs_test::Instance;
using dialogs_test::ItemText;
using menufile::TitleColours;

class ColourSheetRun : public ::testing::Test {
protected:
    HWND Page() const { return PropSheet_GetCurrentPageHwnd(sheet_->handle()); }
    HWND PageItem(int id) const { return GetDlgItem(Page(), id); }
    std::string Name() const { return ItemText(Page(), IDC_COLOUR_NAME); }
    std::string Chosen() const { return menufile::FormatTitleColours(sheet_->colours()); }

    // Opens the sheet on the colours and runs the steps inside it.
    INT_PTR Run(const TitleColours& colours, std::vector<dialogs_test::ModalScript::Step> steps)
    {
        sheet_ = std::make_unique<editor::ColourSheet>(Instance(), "タイトル", colours);
        script_.Then([&] { return sheet_->handle() && Page(); });
        for (auto& step : steps)
            script_.Then(step);
        return script_.Run([this] { return sheet_->Run(nullptr); });
    }
    // A step that waits until the page shows the name.
    dialogs_test::ModalScript::Step NameIs(const std::string& name)
    {
        return [this, name] { return Name() == name; };
    }
    dialogs_test::ModalScript::Step Press(int id)
    {
        return [this, id] { Click(PageItem(id)); return true; };
    }
    dialogs_test::ModalScript::Step PressSheet(int button)
    {
        return [this, button] { PostMessageA(sheet_->handle(), PSM_PRESSBUTTON, button, 0); return true; };
    }
    dialogs_test::ModalScript::Step ShowPage(int page)
    {
        return [this, page] { PropSheet_SetCurSel(sheet_->handle(), nullptr, page); return true; };
    }

    std::unique_ptr<editor::ColourSheet> sheet_;
    dialogs_test::ModalScript script_;
};

TEST(ColourNames, SystemColoursByTheirFirstRowAndOthersByTheirBytes)
{
    EXPECT_EQ(editor::ColourName(Instance(), {1, 15}), "3次元表面色");
    EXPECT_EQ(editor::ColourName(Instance(), {1, 20}), "3次元ハイライトカラー");
    EXPECT_EQ(editor::ColourName(Instance(), {1, 999}), "");
    EXPECT_EQ(editor::ColourName(Instance(), {0, RGB(18, 52, 86)}), "赤:18 緑:52 青:86");
}

TEST_F(ColourSheetRun, CancelAfterChangesOnBothPagesGivesTheCallersColours)
{
    TitleColours caller;
    caller.text = {1, 24};
    caller.background = {0, RGB(1, 2, 3)};
    EXPECT_EQ(Run(caller, {Press(IDC_SYSTEM_SWATCH), NameIs("デスクトップ"), ShowPage(1),
                           NameIs("赤:1 緑:2 青:3"), Press(IDC_FIXED_SWATCH), NameIs("赤:0 緑:0 青:0"),
                           ShowPage(0), NameIs("デスクトップ"), PressSheet(PSBTN_CANCEL)}),
              IDCANCEL);
    EXPECT_EQ(Chosen(), menufile::FormatTitleColours(caller));
}

TEST_F(ColourSheetRun, DefaultButtonAndApplyToAllEndTheSheetAsOkWithTheFlag)
{
    TitleColours caller;
    caller.text = {0, RGB(9, 9, 9)};
    auto applyToAll = [this] {
        HWND button = FindWindowExA(sheet_->handle(), nullptr, "Button", "全タイトルに適応");
        Click(button);
        return button && IsWindowVisible(button);
    };
    EXPECT_EQ(Run(caller, {Press(IDC_DEFAULT_COLOUR), NameIs("メニューのテキスト"), ShowPage(1),
                           NameIs("メニューの背景"), Press(IDC_DEFAULT_COLOUR), NameIs("メニューの背景"),
                           Press(IDC_SYSTEM_SWATCH + 8), NameIs("ボタンのテキスト"), applyToAll}),
              IDOK);
    EXPECT_TRUE(sheet_->applyToAll());
    EXPECT_EQ(Chosen(), "/1/7/1/18");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet_->handle(), 0x3021)));
}

// A fixed swatch for the text, the standard colour dialog for the
// background; OK gives both as literal colours in the stored order.
TEST_F(ColourSheetRun, FixedSwatchAndTheStandardColourDialogThenOkGiveLiteralColours)
{
    auto answer = [this] {
        HWND dialog = dialogs_test::FindDialog("", sheet_->handle());
        if (!dialog || GetWindow(dialog, GW_OWNER) != sheet_->handle())
            return false;
        SetDlgItemInt(dialog, 706, 18, FALSE);
        SetDlgItemInt(dialog, 707, 52, FALSE);
        SetDlgItemInt(dialog, 708, 86, FALSE);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    };
    auto shoot = [this] { return dialogs_test::SaveScreenshot(sheet_->handle(), "colour_sheet.bmp"); };
    EXPECT_EQ(Run({}, {NameIs("メニューのテキスト"), Press(IDC_FIXED_SWATCH + 5), NameIs("赤:255 緑:0 青:0"),
                       shoot, ShowPage(1), Press(IDC_OTHER_COLOUR), answer, NameIs("赤:18 緑:52 青:86"),
                       PressSheet(PSBTN_OK)}),
              IDOK);
    EXPECT_EQ(Chosen(), "/0/255/0/" + std::to_string(RGB(18, 52, 86)));
    EXPECT_FALSE(sheet_->applyToAll());
}

}  // namespace
