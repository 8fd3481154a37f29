// The menu handle registry and the window hook chain.
#include <gtest/gtest.h>
#include <string>
#include "menu_fixture.h"
#include "resident/menus/menu_registry.h"
#include "resident/menus/window_hook.h"

using resident::MenuHandle;
using resident::MenuRegistry;

TEST(MenuRegistry, TemporaryWrappersGiveWayToOwnersAndOnlyOwnedMenusAreDestroyed)
{
    MenuRegistry registry;
    HMENU menu = CreatePopupMenu();
    MenuHandle& temporary = registry.Find(menu);
    EXPECT_EQ(temporary.handle(), menu);
    EXPECT_EQ(&registry.Find(menu), &temporary);
    EXPECT_EQ(registry.Lookup(menu), nullptr);
    int slot = registry.SlotOf(menu);

    MenuHandle owner;
    owner.Attach(menu, registry);
    EXPECT_EQ(registry.SlotOf(menu), slot);
    EXPECT_EQ(registry.Lookup(menu), &owner);
    EXPECT_EQ(&registry.Find(menu), &owner);
    EXPECT_TRUE(IsMenu(menu)) << "replacing the temporary wrapper must not destroy the menu";

    // Dropping the temporary wrappers frees their slots and keeps owners and menus.
    HMENU foreign = CreatePopupMenu();
    registry.Find(foreign);
    registry.DropTemporaryWrappers();
    EXPECT_EQ(registry.UsedSlotCount(), 1u);
    EXPECT_EQ(registry.Lookup(menu), &owner);
    EXPECT_TRUE(IsMenu(foreign));
    DestroyMenu(foreign);

    EXPECT_EQ(owner.Detach(), menu);
    EXPECT_EQ(registry.SlotOf(menu), -1);
    EXPECT_EQ(registry.UsedSlotCount(), 0u);
    DestroyMenu(menu);

    // A registry that goes away destroys the menus it owns, and only those.
    MenuHandle late;
    HMENU lateMenu = CreatePopupMenu();
    {
        MenuRegistry shortLived;
        late.Attach(lateMenu, shortLived);
        shortLived.Find(foreign = CreatePopupMenu());
    }
    EXPECT_FALSE(IsMenu(lateMenu));
    EXPECT_EQ(late.handle(), nullptr);
    EXPECT_TRUE(IsMenu(foreign));
    DestroyMenu(foreign);
}

namespace {

std::string trail;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        trail += "W";
    if (message == WM_NCDESTROY)
        trail += "N";
    return DefWindowProcA(window, message, wParam, lParam);
}

class LetterHook : public resident::WindowHook {
public:
    explicit LetterHook(char letter) : letter_(letter) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP)
            trail += letter_;
        return Default(message, wParam, lParam);
    }

private:
    char letter_;
};

HWND RecordingWindow()
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc));
    return window;
}

std::string Send(HWND window)
{
    trail.clear();
    SendMessageA(window, WM_APP, 0, 0);
    return trail;
}

}  // namespace

TEST(WindowHook, ChainRunsNewestFirstAndUnlinksFromFrontAndMiddle)
{
    HWND window = RecordingWindow();
    LetterHook a('A'), b('B');
    a.Install(window);
    b.Install(window);
    {
        LetterHook c('C');
        c.Install(window);
        EXPECT_EQ(Send(window), "CBAW");
        b.Remove();
        EXPECT_EQ(Send(window), "CAW");
    }
    EXPECT_EQ(Send(window), "AW") << "a hook destroyed first unlinks itself";
    EXPECT_EQ(resident::WindowHook::FirstHook(window), &a);
    a.Remove();
    EXPECT_EQ(Send(window), "W");
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
    EXPECT_EQ(resident::WindowHook::FirstHook(window), nullptr);
    DestroyWindow(window);
}

TEST(WindowHook, DestroyedWindowLetsGoOfEveryHook)
{
    HWND window = RecordingWindow();
    LetterHook a('A'), b('B');
    a.Install(window);
    b.Install(window);
    trail.clear();
    DestroyWindow(window);
    EXPECT_EQ(trail, "N");
    EXPECT_FALSE(a.installed());
    EXPECT_FALSE(b.installed());
    EXPECT_EQ(resident::WindowHook::FirstHook(window), nullptr);
}
