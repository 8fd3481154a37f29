// A whole tray popup: built, shown, chosen with the keyboard, dispatched and
// torn down, a thousand times without leaving a handle behind.
#include <gtest/gtest.h>
#include "menu_fixture.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_registry.h"
#include "resident/menus/tray_popup.h"
#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"

using namespace resident;
using namespace menus_test;

namespace {

std::vector<WORD> keys;
HWND keyTarget = nullptr;
int nestedResult = -1;

void CALLBACK TypeKeys(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    for (WORD key : keys)
        PressKey(keyTarget, key, key >= 'a' && key <= 'z');
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

class TrayPopups : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApp();
        popup.menu = &list;
        popup.options = 0x50000;
        popup.window = owner.get();
        popup.at = {60, 60};
    }
    int ShowTyping(std::vector<WORD> typed)
    {
        keys = std::move(typed);
        keyTarget = owner.get();
        SetTimer(nullptr, 0, 400, &TypeKeys);
        UINT_PTR guard = SetTimer(nullptr, 0, 8000, &CloseMenu);
        int id = ShowTrayPopup(popup, launchMap, nullptr);
        KillTimer(nullptr, guard);
        return id;
    }

    win32::ComScope com;
    OwnerWindow owner;
    menufile::MenuList list;
    LaunchMap launchMap;
    TrayPopup popup;
};

}  // namespace

TEST_F(TrayPopups, ChosenEntryIsStartedWithItsParameters)
{
    testing_support::TempFolder folder("traypopup");
    std::string program = folder / "chosen.exe";
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", program));
    list.entries.push_back(Command(program, "&Chosen", "one two"));
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "&Other"));

    EXPECT_EQ(ShowTyping({'c'}), 2000);
    // The recorder creates its log before it writes the line.
    std::vector<testing_support::RecordedStart> starts;
    ASSERT_TRUE(testing_support::WaitFor([&] {
        starts = testing_support::ReadRecorderLog(folder / "chosen.log");
        return !starts.empty();
    }));
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_NE(starts[0].commandLine.find("one two"), std::string::npos) << starts[0].commandLine;
}

TEST_F(TrayPopups, CommandsOutsideTheLaunchRangeArePostedToTheWindow)
{
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "Notepad"));
    popup.settingsSubmenu = true;
    EXPECT_EQ(ShowTyping({VK_UP, VK_RIGHT, VK_RETURN}), CMD_EDIT_MENUS);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(message.wParam, static_cast<WPARAM>(CMD_EDIT_MENUS));
    EXPECT_EQ(message.lParam, 0);

    launchMap.Put(4001, "C:\\never.exe", "");
    DispatchChoice(4001, launchMap, owner.get());
    EXPECT_TRUE(PeekMessageA(&message, owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
        << "4001 is an ordinary command id";
    DispatchChoice(99, launchMap, owner.get());
    EXPECT_FALSE(PeekMessageA(&message, owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
}

namespace {

TrayPopup* nestedPopup = nullptr;
LaunchMap* nestedMap = nullptr;
bool openInside = false;

void CALLBACK ShowAgain(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    openInside = TrayPopupOpen();
    nestedResult = ShowTrayPopup(*nestedPopup, *nestedMap, nullptr);
    EndMenu();
}

}  // namespace

TEST_F(TrayPopups, ASecondPopupIsNotStartedInsideTheFirst)
{
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "Notepad"));
    nestedPopup = &popup;
    nestedMap = &launchMap;
    SetTimer(nullptr, 0, 300, &ShowAgain);
    EXPECT_EQ(ShowTrayPopup(popup, launchMap, nullptr), 0);
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
    list.entries.push_back(Title("Title", "/0/255/1/15"));
    list.entries.push_back(Command("C:\\windows\\notepad.exe", "Notepad\\tCtrl+N"));
    list.entries.push_back(Separator("caption"));
    list.entries.push_back(Popup("More", std::move(inner)));
    list.entries.push_back(Command("Z:\\missing.exe"));
    popup.settingsSubmenu = true;

    long icons = win32::UniqueIcon::LiveCount();
    long fonts = win32::UniqueFont::LiveCount();
    long brushes = win32::UniqueBrush::LiveCount();
    long menus = win32::UniqueMenu::LiveCount();
    for (int i = 0; i < 1000; ++i) {
        SetTimer(nullptr, 0, 1, &CloseMenu);
        EXPECT_EQ(ShowTrayPopup(popup, launchMap, nullptr), 0);
    }
    EXPECT_EQ(win32::UniqueIcon::LiveCount(), icons);
    EXPECT_EQ(win32::UniqueFont::LiveCount(), fonts);
    EXPECT_EQ(win32::UniqueBrush::LiveCount(), brushes);
    EXPECT_EQ(win32::UniqueMenu::LiveCount(), menus);
    EXPECT_EQ(TheMenuRegistry().UsedSlotCount(), 0u);
    EXPECT_LE(TheMenuRegistry().SlotCount(), 20u) << "slots are reused from popup to popup";
}
