// Mnemonic keys of owner-drawn entries, and the text rules behind them.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/menus/menu_window_hook.h"
#include "resident/menus/menu_registry.h"
#include "resident/menus/menu_text.h"
#include "resident/menus/owner_draw_menu.h"

using namespace resident;

namespace {

class MnemonicMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu.Attach(CreatePopupMenu(), registry);
        UINT id = 2000;
        for (const char* text : {"&Apple", "A&&B", "&avocado", "&Banana", "Plain"}) {
            MenuItemData data;
            data.text = text;
            menu.Append(MF_OWNERDRAW, id++, std::move(data));
        }
    }
    void Highlight(int position)
    {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        info.fState = MFS_HILITE;
        SetMenuItemInfoA(menu.handle(), position, TRUE, &info);
    }
    LRESULT Type(int c) { return MenuCharResult(menu.handle(), c, registry); }

    MenuRegistry registry;
    OwnerDrawMenu menu{menus_test::Context(), MENU_SHOW_TEXT, 0};
};

}  // namespace

TEST_F(MnemonicMenu, SeveralMatchesSelectInTurnOneExecutesNoneIgnores)
{
    EXPECT_EQ(Type('a'), MAKELRESULT(0, MNC_SELECT));
    EXPECT_EQ(Type('A'), MAKELRESULT(0, MNC_SELECT));
    Highlight(0);
    EXPECT_EQ(Type('a'), MAKELRESULT(2, MNC_SELECT));
    Highlight(2);
    EXPECT_EQ(Type('a'), MAKELRESULT(0, MNC_SELECT)) << "after the last match it wraps to the first";
    EXPECT_EQ(Type('b'), MAKELRESULT(3, MNC_EXECUTE));
    EXPECT_EQ(Type('p'), MNC_IGNORE);
    EXPECT_EQ(Type('&'), MNC_IGNORE) << "\"&&\" shows an ampersand and is no mnemonic";
}

TEST(MenuText, MnemonicsAndTabSplitStepOverDoubleByteCharacters)
{
    EXPECT_EQ(MnemonicOf("&File"), 'F');
    EXPECT_EQ(MnemonicOf("Save && &Quit"), 'Q');
    EXPECT_EQ(MnemonicOf("end&"), 0);
    EXPECT_EQ(MnemonicOf("表示(&V)"), 'V');

    SplitText open = SplitAtTab("Open\\tCtrl+O");
    EXPECT_EQ(open.left, "Open");
    EXPECT_EQ(open.right, "Ctrl+O");
    EXPECT_TRUE(open.hasRight);
    // The second byte of 表 is 0x5C: "表t" holds no "\t".
    SplitText kanji = SplitAtTab("表t");
    EXPECT_EQ(kanji.left, "表t");
    EXPECT_FALSE(kanji.hasRight);
    EXPECT_FALSE(SplitAtTab("\\tRight").hasRight);
    EXPECT_EQ(SplitAtTab("\\tRight").left, "");
}
