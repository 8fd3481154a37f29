// A whole tray popup with the menu hook: chosen with the keyboard, left
// alone until the auto-hide time, closed by a tray click, dispatched and torn
// down, a thousand times without leaving a handle behind.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_registry.h"
#include "resident/menus/menu_window_hook.h"
#include "resident/menus/owner_draw_menu.h"
#include "resident/tray/tray_popup.h"
#include "resident/tray/tray_icon.h"
#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"

using namespace resident;
using namespace menus_test;

namespace {

class TrayPopups : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApp();
        popup.menu = &list;
        popup.options = MENU_SHOW_ICONS | MENU_SHOW_TEXT;
        popup.window = owner.get();
        popup.at = {60, 60};
        list.entries.push_back(Command("C:\\windows\\notepad.exe", "&Notepad"));
    }
    // Shows the popup, types the keys into it after 400 ms and closes it
    // after closeAfterMs if it is still open.
    int Show(std::vector<WORD> keys = {}, UINT closeAfterMs = testing_support::kPatienceMs)
    {
        HWND window = owner.get();
        if (!keys.empty())
            After(400, [window, keys] {
                for (WORD key : keys)
                    PressKey(window, key, key >= 'a' && key <= 'z');
            });
        UINT_PTR guard = After(closeAfterMs, [] { EndMenu(); });
        DWORD start = GetTickCount();
        int id = ShowTrayPopup(popup, launchMap, nullptr);
        elapsedMs = GetTickCount() - start;
        Cancel(guard);
        return id;
    }
    void Send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageA(owner.get(), message, wParam, lParam); }

    win32::ComScope com;
    OwnerWindow owner;
    menufile::MenuList list;
    LaunchMap launchMap;
    TrayPopup popup;
    DWORD elapsedMs = 0;
};

}  // namespace

TEST_F(TrayPopups, ChosenEntryIsStartedWithItsParameters)
{
    testing_support::TempFolder folder("traypopup");
    std::string program = folder / "chosen.exe";
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", program));
    list.entries.push_back(Command(program, "&Chosen", "one two"));

    EXPECT_EQ(Show({'c'}), 2001);
    std::vector<testing_support::RecordedStart> starts = testing_support::WaitForRecorderLog(folder / "chosen.log");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_NE(starts[0].commandLine.find("one two"), std::string::npos) << starts[0].commandLine;
}

// (Choosing one in the settings submenu is the tray menu screen test's.)
TEST_F(TrayPopups, OnlyTheSettingsCommandsArePostedToTheWindow)
{
    // Any other id starts its own launch string or nothing.
    for (int id : {99, 4001, 40000, 0x7000})
        DispatchChoice(id, launchMap, owner.get());
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    DispatchChoice(CMD_EDIT_MENUS, launchMap, owner.get());
    ASSERT_TRUE(PeekMessageA(&message, owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(message.wParam, static_cast<WPARAM>(CMD_EDIT_MENUS));
}

// (A time of 0, which never closes the menu, is what the other popups here
// are shown with.)
TEST_F(TrayPopups, LeftAloneClosesAfterTheAutoHideTime)
{
    // WM_ENTERIDLE every 100 ms, as a menu loop may send it: it is no user
    // activity, or an idle menu would never close.
    UINT_PTR idler = Every(100, [this] { Send(WM_ENTERIDLE, MSGF_MENU, 0); });
    popup.autoHideMs = 1000;
    EXPECT_EQ(Show(), 0);
    EXPECT_GE(elapsedMs, 1000u);
    EXPECT_LT(elapsedMs, 10000u) << "closed by itself, not by the test's guard";
    // The idle time is checked every half of it, at least every 300 ms.
    EXPECT_EQ(MenuWindowHook::TimerPeriod(1000), 500u);
    EXPECT_EQ(MenuWindowHook::TimerPeriod(600), 300u);
    Cancel(idler);
}

TEST_F(TrayPopups, TrayClickClosesOnlyAMenuTheUserTouched)
{
    popup.autoHideMs = 60000;
    After(300, [this] { Send(TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDOWN); });
    Show({}, 1500);
    EXPECT_GE(elapsedMs, 1400u) << "an untouched menu passes the click on";

    After(300, [this] {
        Send(WM_MENUSELECT, MAKEWPARAM(0, MF_OWNERDRAW), 0);
        Send(TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDOWN);
    });
    Show();
    EXPECT_LT(elapsedMs, 10000u);
}

TEST_F(TrayPopups, ASecondPopupIsNotStartedInsideTheFirst)
{
    bool openInside = false;
    int nestedResult = -1;
    After(300, [&] {
        openInside = TrayPopupOpen();
        nestedResult = ShowTrayPopup(popup, launchMap, nullptr);
        EndMenu();
    });
    EXPECT_EQ(Show(), 0);
    EXPECT_TRUE(openInside);
    EXPECT_EQ(nestedResult, 0);
    EXPECT_FALSE(TrayPopupOpen());
    EXPECT_EQ(launchMap.size(), 1u) << "the open popup's launch map was left alone";
}

TEST_F(TrayPopups, AThousandPopupsLeaveNoHandleBehind)
{
    // Wine's GetGuiResources answers 0, so the handles are counted by their
    // owners: the RAII wrappers and the menu registry.
    std::vector<menufile::MenuEntry> inner;
    inner.push_back(Command("C:\\windows\\regedit.exe", "Registry"));
    list.entries.front().text2 = "Notepad\\tCtrl+N";
    list.entries.push_back(Title("Title", "/0/255/1/15"));
    list.entries.push_back(Separator("caption"));
    list.entries.push_back(Popup("More", std::move(inner)));
    list.entries.push_back(Command("Z:\\missing.exe"));
    popup.settingsSubmenu = true;

    auto live = [] {
        return std::vector<long>{win32::UniqueIcon::LiveCount(), win32::UniqueFont::LiveCount(),
                                 win32::UniqueBrush::LiveCount(), win32::UniqueMenu::LiveCount()};
    };
    std::vector<long> before = live();
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(Show({}, 1), 0);
    EXPECT_EQ(live(), before) << "icons, fonts, brushes, menus";
    EXPECT_EQ(TheMenuRegistry().UsedSlotCount(), 0u);
    EXPECT_LE(TheMenuRegistry().SlotCount(), 20u) << "slots are reused from popup to popup";
}
