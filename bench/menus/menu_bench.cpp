// Popup building against bare Win32 loops doing the same menu work:
// (1) 1,000 entries without icons against creating the menus and appending
//     as many owner-drawn items; (2) 200 entries with small icons, each from
//     its own icon file, against extracting those icons alone.
// Prints each figure (best of several rounds) and the ratio.
#include <windows.h>
#include <shellapi.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "resident/app.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "resident/tray/tray_popup.h"
#include "tests/support/test_support.h"
#include "win32/com_ptr.h"
#include "win32/file_icon.h"

namespace {

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double Best(int rounds, Work work)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        double start = Now();
        work();
        best = std::min(best, Now() - start);
    }
    return best;
}

// 1,000 entries: ten popups of 99 commands and a title each (their
// submenus made with CreateMenu), so both loops create eleven menus.
void FillLargeMenu(menufile::MenuList& list, int& items)
{
    items = 0;
    for (int p = 0; p < 10; ++p) {
        menufile::MenuEntry popup;
        popup.text1 = "Group " + std::to_string(p);
        popup.flags = menufile::ITEM_POPUP;
        popup.submenu = std::make_unique<menufile::MenuList>();
        for (int i = 0; i < 99; ++i) {
            menufile::MenuEntry entry;
            entry.text1 = "C:\\Programs\\tool" + std::to_string(p * 100 + i) + ".exe";
            entry.text2 = "Tool number " + std::to_string(p * 100 + i);
            entry.parameters = "/run";
            popup.submenu->entries.push_back(std::move(entry));
            ++items;
        }
        list.entries.push_back(std::move(popup));
        ++items;
    }
}

const resident::MenuContext& Context()
{
    static const resident::MenuContext context = resident::ResidentMenuContext(nullptr);
    return context;
}

void BuildAndDestroy(const menufile::MenuList& list, int options)
{
    resident::LaunchMap launchMap;
    resident::CreatedMenus created;
    auto root = std::make_unique<resident::OwnerDrawMenu>(Context(), options, 0);
    root->Attach(CreatePopupMenu());
    resident::EntryIds ids(launchMap, {});
    resident::MenuBuilder(ids, created, nullptr).Build(list, *root);
    created.clear();
    root.reset();
}

void BareMenus(int items)
{
    static char data[16];
    HMENU root = CreatePopupMenu();
    int perMenu = items / 10;
    for (int p = 0; p < 10; ++p) {
        HMENU sub = CreateMenu();
        for (int i = 1; i < perMenu; ++i)
            AppendMenuA(sub, MF_OWNERDRAW, 2000 + p * 100 + i, data);
        AppendMenuA(root, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), data);
    }
    DestroyMenu(root);
}

// A 16 x 16 icon file of one colour.
std::string IconFile(DWORD colour)
{
    std::string bytes;
    auto put16 = [&](WORD v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&](DWORD v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    DWORD imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    put16(0), put16(1), put16(1);
    bytes += '\x10', bytes += '\x10', bytes += '\0', bytes += '\0';
    put16(1), put16(32), put32(imageSize), put32(22);
    put32(40), put32(16), put32(32), put16(1), put16(32), put32(0), put32(16 * 16 * 4), put32(0), put32(0),
        put32(0), put32(0);
    for (int i = 0; i < 256; ++i)
        put32(colour | 0xFF000000);
    bytes.append(16 * 4, '\0');
    return bytes;
}

void PrepareApp()
{
    resident::App& app = resident::TheApp();
    app.instance = GetModuleHandleA(nullptr);
    resident::AttachSystemImageLists(app);
}

}  // namespace

int main()
{
    win32::ComScope com;
    PrepareApp();

    int items = 0;
    menufile::MenuList large;
    FillLargeMenu(large, items);
    // Interleaved rounds: the machine is shared, the best of each counts.
    double built = 1e30, bare = 1e30;
    for (int round = 0; round < 40; ++round) {
        built = std::min(built, Best(1, [&] { BuildAndDestroy(large, resident::MENU_SHOW_TEXT); }));
        bare = std::min(bare, Best(1, [&] { BareMenus(items); }));
    }
    double mapOnly = Best(40, [&] {
        resident::LaunchMap map;
        for (int i = 0; i < 1000; ++i)
            map.Put(2000 + i, "C:\\Programs\\tool1234.exe", "/run");
    });
    std::printf("(launch map alone %.2f ms)\n", mapOnly);
    std::printf("1000 entries, icons off: build and destroy %.2f ms, bare menus %.2f ms, ratio %.2f (limit 1.5)\n",
                built, bare, built / bare);

    testing_support::TempFolder folder("menubench");
    menufile::MenuList iconMenu;
    std::vector<std::string> files;
    for (int i = 0; i < 200; ++i) {
        std::string path = folder / ("icon" + std::to_string(i) + ".ico");
        testing_support::WriteFileBytes(path, IconFile(RGB(i, 255 - i, (i * 7) & 0xFF)));
        files.push_back(path);
        menufile::MenuEntry entry;
        entry.text1 = path;
        entry.text2 = "Icon " + std::to_string(i);
        entry.iconPath = path;
        iconMenu.entries.push_back(std::move(entry));
    }
    int options = resident::MENU_SHOW_ICONS | resident::MENU_SHOW_TEXT;
    double withIcons = Best(5, [&] { BuildAndDestroy(iconMenu, options); });
    double extractOnly = Best(5, [&] {
        for (const std::string& path : files)
            win32::ExtractFileIcon(path, 0, win32::IconSize::Small);
    });
    std::printf("200 entries, small icons: build and destroy %.2f ms, bare extraction %.2f ms, ratio %.2f (limit 1.3)\n",
                withIcons, extractOnly, withIcons / extractOnly);
    return 0;
}
