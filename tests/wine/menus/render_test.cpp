// Measuring and drawing owner-drawn entries: sizes against the formula with
// the real system metrics, and pixels of a drawing in a memory DC.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"

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

SIZE TextSize(const char* text, bool bold = false)
{
    HDC screen = GetDC(nullptr);
    HFONT font = MenuFont(bold);
    HGDIOBJ old = SelectObject(screen, font);
    RECT rect = {};
    DrawTextA(screen, text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int MWidth()
{
    HDC screen = GetDC(nullptr);
    HFONT font = MenuFont();
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size = {};
    GetTextExtentPoint32A(screen, "M", 1, &size);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

// One menu built from entries, measured and drawn through its own handlers.
class Rendering {
public:
    Rendering(int options, int width, std::vector<menufile::MenuEntry> entries) : menu_(options, width)
    {
        PrepareApp();
        menu_.Attach(CreatePopupMenu());
        menufile::MenuList list;
        for (auto& entry : entries)
            list.entries.push_back(std::move(entry));
        MenuBuilder(launchMap_, created_, nullptr).Build(list, menu_);
    }

    MEASUREITEMSTRUCT Measure(int position)
    {
        MEASUREITEMSTRUCT item = {};
        item.CtlType = ODT_MENU;
        item.itemData = reinterpret_cast<ULONG_PTR>(ItemAt(menu_.handle(), position).data);
        menu_.MeasureItem(item);
        return item;
    }

    OwnerDrawMenu& menu() { return menu_; }

private:
    LaunchMap launchMap_;
    CreatedMenus created_;
    OwnerDrawMenu menu_;
};

// A 32-bit memory canvas painted in the menu colour, with the menu font.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        font_ = MenuFont();
        oldFont_ = SelectObject(dc_, font_);
        RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_MENU));
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas()
    {
        SelectObject(dc_, oldFont_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(font_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        DWORD pixel = bits_[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    DWORD* bits_ = nullptr;
    HGDIOBJ oldBitmap_, oldFont_;
    HFONT font_;
};

void Draw(Rendering& rendering, Canvas& canvas, int position, UINT state, RECT rect)
{
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = reinterpret_cast<HWND>(rendering.menu().handle());
    item.hDC = canvas.dc();
    item.rcItem = rect;
    item.itemData = reinterpret_cast<ULONG_PTR>(ItemAt(rendering.menu().handle(), position).data);
    rendering.menu().DrawItem(item);
}

std::vector<menufile::MenuEntry> SampleEntries()
{
    std::vector<menufile::MenuEntry> entries;
    entries.push_back(Command("C:\\a.exe", "Notepad text"));
    entries.push_back(Popup("Submenu"));
    entries.push_back(Separator());
    entries.push_back(Separator("ツール"));
    entries.push_back(Title("Bold title", "/0/65280/0/0"));
    return entries;
}

int Check() { return GetSystemMetrics(SM_CXMENUCHECK); }

}  // namespace

TEST(Measuring, SmallIconsAndAutomaticWidth)
{
    Rendering r(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0, SampleEntries());
    int a = GetSystemMetrics(SM_CXSMICON), k = a + 4;
    SIZE text = TextSize("Notepad text");
    MEASUREITEMSTRUCT command = r.Measure(0);
    EXPECT_EQ(static_cast<int>(command.itemWidth), text.cx + k + 11 - Check() + 1);
    int height = std::max<int>({text.cy, GetSystemMetrics(SM_CYMENU), a + 4});
    EXPECT_EQ(static_cast<int>(command.itemHeight), height);
    EXPECT_EQ(static_cast<int>(r.Measure(1).itemWidth), TextSize("Submenu").cx + k + 11 - Check() + 1 + 5);
    EXPECT_EQ(r.Measure(2).itemWidth, 0u);
    EXPECT_EQ(static_cast<int>(r.Measure(2).itemHeight), GetSystemMetrics(SM_CYMENU) / 2);
    EXPECT_EQ(static_cast<int>(r.Measure(3).itemHeight), GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(static_cast<int>(r.Measure(4).itemWidth), TextSize("Bold title", true).cx + k + 11 - Check() + 1)
        << "titles are measured in the bold font they are drawn in";
}

TEST(Measuring, WidthInCharactersIsNotReducedToTheText)
{
    Rendering r(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 10, SampleEntries());
    int k = GetSystemMetrics(SM_CXSMICON) + 4;
    EXPECT_EQ(static_cast<int>(r.Measure(0).itemWidth), 10 * MWidth() + k + 11 - Check() + 1);
    EXPECT_EQ(static_cast<int>(r.Measure(4).itemWidth), 10 * MWidth() + k + 11 - Check() + 1);
}

TEST(Measuring, LargeIconsIconsOnlyTextOnlyAndNeither)
{
    Rendering large(MENU_SHOW_ICONS | MENU_LARGE_ICONS | MENU_SHOW_TEXT, 0, SampleEntries());
    int a = GetSystemMetrics(SM_CXICON);
    EXPECT_EQ(static_cast<int>(large.Measure(0).itemWidth), TextSize("Notepad text").cx + a + 4 + 11 - Check() + 1);
    EXPECT_GE(static_cast<int>(large.Measure(0).itemHeight), a + 4);

    Rendering iconsOnly(MENU_SHOW_ICONS, 0, SampleEntries());
    int k = GetSystemMetrics(SM_CXSMICON) + 4;
    EXPECT_EQ(static_cast<int>(iconsOnly.Measure(0).itemWidth), std::max(0, -15 + k + 11 - Check() + 1));

    Rendering textOnly(MENU_SHOW_TEXT, 0, SampleEntries());
    EXPECT_EQ(static_cast<int>(textOnly.Measure(0).itemWidth), TextSize("Notepad text").cx - 1 + 11 - Check() + 1);

    Rendering neither(0, 0, SampleEntries());
    EXPECT_EQ(neither.Measure(0).itemWidth, 0u) << "a negative width must not wrap around";
    Rendering negative(MENU_SHOW_TEXT, -5, SampleEntries());
    EXPECT_EQ(negative.Measure(0).itemWidth, textOnly.Measure(0).itemWidth);
}

TEST(Drawing, TitleFillsItsBackgroundInsideARaisedFrame)
{
    Rendering r(MENU_SHOW_TEXT, 0, SampleEntries());
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
    Rendering r(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0, SampleEntries());
    int k = GetSystemMetrics(SM_CXSMICON) + 4;
    Canvas canvas(200, 24);
    Draw(r, canvas, 0, ODS_SELECTED, {0, 0, 200, 24});
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(canvas.At(k + 1, 1), highlight);
    EXPECT_EQ(canvas.At(199, 23), highlight);
    EXPECT_NE(canvas.At(k, 12), highlight);
    EXPECT_NE(canvas.At(2, 12), highlight);

    Rendering textOnly(MENU_SHOW_TEXT, 0, SampleEntries());
    Canvas plain(200, 24);
    Draw(textOnly, plain, 0, ODS_SELECTED, {0, 0, 200, 24});
    EXPECT_EQ(plain.At(0, 12), highlight) << "without icons the highlight covers the row";
}

TEST(Drawing, SeparatorsEtchAtMidHeightAndCentreTheirCaption)
{
    Rendering r(MENU_SHOW_TEXT, 0, SampleEntries());
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
                if (left < 0)
                    left = x;
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

TEST(Drawing, ForeignItemDataIsLeftAlone)
{
    Rendering r(MENU_SHOW_TEXT, 0, SampleEntries());
    MenuItemData stranger;
    stranger.text = "not this menu's";
    MEASUREITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemWidth = 77;
    item.itemData = reinterpret_cast<ULONG_PTR>(&stranger);
    r.menu().MeasureItem(item);
    EXPECT_EQ(item.itemWidth, 77u);
}

TEST(Drawing, DcComesBackAsItWas)
{
    Rendering r(MENU_SHOW_ICONS | MENU_SHOW_TEXT, 0, SampleEntries());
    Canvas canvas(200, 24);
    HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 50; ++i) {
        Draw(r, canvas, 4, ODS_DISABLED, {0, 0, 200, 24});
        Draw(r, canvas, 0, ODS_SELECTED, {0, 0, 200, 24});
        Draw(r, canvas, 3, 0, {0, 0, 200, 24});
    }
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3));
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}
