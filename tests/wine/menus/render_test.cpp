// Measuring and drawing owner-drawn entries: sizes against the formula with
// the real system metrics, and pixels of a drawing in a memory DC.
#include <gtest/gtest.h>
#include <algorithm>
#include "menu_fixture.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "win32/unique_handle.h"

using namespace resident;
using namespace menus_test;

namespace {

HFONT MenuFont(bool bold = false)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (bold)
        metrics.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

// A 32-bit memory canvas painted in the menu colour, with the menu font.
class Canvas {
public:
    Canvas(int width, int height, bool bold = false)
        : bitmap_(CreateBitmap(width, height, 1, 32, nullptr)), selectBitmap_(dc_.get(), bitmap_.get()),
          font_(MenuFont(bold)), selectFont_(dc_.get(), font_.get())
    {
        RECT all = {0, 0, width, height};
        win32::UniqueBrush brush(CreateSolidBrush(GetSysColor(COLOR_MENU)));
        FillRect(dc_.get(), &all, brush.get());
    }
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    win32::UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
    win32::UniqueBitmap bitmap_;
    win32::SelectObjectGuard selectBitmap_;
    win32::UniqueFont font_;
    win32::SelectObjectGuard selectFont_;
};

SIZE TextSize(const char* text, bool bold = false)
{
    Canvas canvas(1, 1, bold);
    RECT rect = {};
    DrawTextA(canvas.dc(), text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The sample menu's entries: a command, a submenu, a separator, a captioned
// separator and a title, measured and drawn through the menu's own handlers.
class Rendering {
public:
    Rendering(int options, int width) : menu_(Context(), options, width)
    {
        menu_.Attach(CreatePopupMenu());
        menufile::MenuList list;
        list.entries.push_back(Command("C:\\a.exe", "Notepad text"));
        list.entries.push_back(Popup("Submenu"));
        list.entries.push_back(Separator());
        list.entries.push_back(Separator("ツール"));
        list.entries.push_back(Title("Bold title", "/0/65280/0/0"));
        EntryIds ids(launchMap_, {});
        MenuBuilder(ids, created_, nullptr).Build(list, menu_);
    }

    MEASUREITEMSTRUCT Measure(int position)
    {
        MEASUREITEMSTRUCT item = {};
        item.CtlType = ODT_MENU;
        item.itemData = reinterpret_cast<ULONG_PTR>(ItemAt(menu_.handle(), position).data);
        menu_.MeasureItem(item);
        return item;
    }
    int Width(int position) { return static_cast<int>(Measure(position).itemWidth); }
    int Height(int position) { return static_cast<int>(Measure(position).itemHeight); }

    OwnerDrawMenu& menu() { return menu_; }

private:
    LaunchMap launchMap_;
    CreatedMenus created_;
    OwnerDrawMenu menu_;
};

// Draws one entry. The menu draws its next entry with whatever this one
// left in the DC, so font, text colour and background mode must come back.
void Draw(Rendering& rendering, Canvas& canvas, int position, UINT state, RECT rect)
{
    HDC dc = canvas.dc();
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = reinterpret_cast<HWND>(rendering.menu().handle());
    item.hDC = dc;
    item.rcItem = rect;
    item.itemData = reinterpret_cast<ULONG_PTR>(ItemAt(rendering.menu().handle(), position).data);
    rendering.menu().DrawItem(item);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font) << position;
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3)) << position;
    EXPECT_EQ(GetBkMode(dc), OPAQUE) << position;
}

int Check() { return GetSystemMetrics(SM_CXMENUCHECK); }

}  // namespace

TEST(Measuring, CommandWidthFollowsTheFormulaForEveryOption)
{
    int small = GetSystemMetrics(SM_CXSMICON) + 4, large = GetSystemMetrics(SM_CXICON) + 4;
    int text = TextSize("Notepad text").cx;
    // Width = text part + icon column + 11 - check mark width + 1, never below
    // zero; without text the text part is -15, without icons the column is -1.
    struct Case {
        int options, width, textPart, column;
    } const cases[] = {
        {MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0, text, small},
        {MENU_SHOW_ICONS | MENU_LARGE_ICONS | MENU_SHOW_TEXT, 0, text, large},
        {MENU_SHOW_ICONS | MENU_SHOW_TEXT, 10, 10 * TextSize("M").cx, small},
        {MENU_SHOW_ICONS, 0, -15, small},
        {MENU_SHOW_TEXT, 0, text, -1},
        {MENU_SHOW_TEXT, -5, text, -1},  // negative widths are automatic
        {0, 0, -15, -1},                 // a negative sum must not wrap around
    };
    for (const Case& c : cases) {
        Rendering r(c.options, c.width);
        EXPECT_EQ(r.Width(0), std::max(0, c.textPart + c.column + 11 - Check() + 1)) << c.options << "/" << c.width;
        if (c.options & MENU_SHOW_ICONS) {
            EXPECT_GE(r.Height(0), c.column) << c.options;
        }
    }
}

TEST(Measuring, SubmenusSeparatorsAndTitles)
{
    Rendering r(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0);
    int a = GetSystemMetrics(SM_CXSMICON), k = a + 4;
    EXPECT_EQ(r.Height(0), std::max<int>({TextSize("Notepad text").cy, GetSystemMetrics(SM_CYMENU), a + 4}));
    EXPECT_EQ(r.Width(1), TextSize("Submenu").cx + k + 11 - Check() + 1 + 5);
    EXPECT_EQ(r.Width(2), 0);
    EXPECT_EQ(r.Height(2), GetSystemMetrics(SM_CYMENU) / 2);
    EXPECT_EQ(r.Height(3), GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(r.Width(4), TextSize("Bold title", true).cx + k + 11 - Check() + 1)
        << "titles are measured in the bold font they are drawn in";
    EXPECT_EQ(Rendering(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 10).Width(4), 10 * TextSize("M").cx + k + 11 - Check() + 1)
        << "a width in characters is not reduced to the text";

    // A record of another menu is left alone.
    MenuItemData stranger;
    MEASUREITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemWidth = 77;
    item.itemData = reinterpret_cast<ULONG_PTR>(&stranger);
    r.menu().MeasureItem(item);
    EXPECT_EQ(item.itemWidth, 77u);
}

TEST(Drawing, TitleFillsItsBackgroundInsideARaisedFrame)
{
    Rendering r(MENU_SHOW_TEXT, 0);
    Canvas canvas(200, 24);
    Draw(r, canvas, 4, ODS_DISABLED | ODS_GRAYED, {0, 0, 200, 24});
    EXPECT_EQ(canvas.At(150, 12), RGB(0, 0, 0)) << "background right of the text";
    EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(199, 23), GetSysColor(COLOR_3DSHADOW));
    bool green = false;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 24; ++y)
            green = green || canvas.At(x, y) == RGB(0, 255, 0);
    EXPECT_TRUE(green) << "the title text is drawn in its own colour";
}

TEST(Drawing, HighlightStartsRightOfTheIconColumn)
{
    Rendering r(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0);
    int k = GetSystemMetrics(SM_CXSMICON) + 4;
    Canvas canvas(200, 24);
    Draw(r, canvas, 0, ODS_SELECTED, {0, 0, 200, 24});
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(canvas.At(k + 1, 1), highlight);
    EXPECT_EQ(canvas.At(199, 23), highlight);
    EXPECT_NE(canvas.At(k, 12), highlight);
    EXPECT_NE(canvas.At(2, 12), highlight);

    Rendering textOnly(MENU_SHOW_TEXT, 0);
    Canvas plain(200, 24);
    Draw(textOnly, plain, 0, ODS_SELECTED, {0, 0, 200, 24});
    EXPECT_EQ(plain.At(0, 12), highlight) << "without icons the highlight covers the row";
}

TEST(Drawing, SeparatorsEtchAtMidHeightAndCentreTheirCaption)
{
    Rendering r(MENU_SHOW_TEXT, 0);
    Canvas line(200, 10);
    Draw(r, line, 2, 0, {0, 0, 200, 10});
    EXPECT_EQ(line.At(100, 5), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(line.At(100, 6), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(line.At(100, 2), GetSysColor(COLOR_MENU));

    Canvas captioned(200, 20);
    Draw(r, captioned, 3, 0, {0, 0, 200, 20});
    int middle = 10, left = -1, right = -1;
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 20; ++y) {
            if (y != middle && y != middle + 1 && captioned.At(x, y) == GetSysColor(COLOR_MENUTEXT)) {
                left = left < 0 ? x : left;
                right = x;
            }
        }
    }
    ASSERT_GE(left, 0) << "caption drawn";
    EXPECT_NEAR((left + right) / 2.0, 100.0, 3.0);
    EXPECT_EQ(captioned.At(5, middle), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(captioned.At(195, middle), GetSysColor(COLOR_3DSHADOW));
    EXPECT_NE(captioned.At(left - 1, middle), GetSysColor(COLOR_3DSHADOW)) << "gap before the caption";
}
