// The menu handle registry, and the window hook chain when its window goes.
#include <gtest/gtest.h>
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

bool lastMessageSeen = false;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    lastMessageSeen = lastMessageSeen || message == WM_NCDESTROY;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

// The resident hooks its window once at a time: a hook that did not give the
// window its own procedure back fails the tray popup tests.
TEST(WindowHook, DestroyedWindowLetsGoOfEveryHook)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc));
    resident::WindowHook a, b;
    a.Install(window);
    b.Install(window);
    DestroyWindow(window);
    EXPECT_TRUE(lastMessageSeen) << "the window's own procedure sees its last message";
    EXPECT_FALSE(a.installed());
    EXPECT_FALSE(b.installed());
    EXPECT_EQ(resident::WindowHook::FirstHook(window), nullptr);
}
