// Folder menus on screen, as the menu hook fills and draws them: pictures
// are looked up for the entries drawn and for no entry without icons; a
// folder of 20,000 files opens, its last entry starts, and what the menu
// held is given back when it closes.
#include <windows.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include "resident/launch/launcher.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_registry.h"
#include "resident/menus/owner_draw_menu.h"
#include "resident/tray/tray_popup.h"
#include "tests/support/test_support.h"
#include "tests/wine/folders/folder_fixture.h"
#include "tests/wine/folders/shown_folder_menu.h"
#include "tests/wine/menus/menu_fixture.h"

namespace {

using folders_test::ShowFolderMenu;
using folders_test::ShownMenu;
using testing_support::TempFolder;

// Bytes of every live block of the process heap: item id lists, the
// shell's objects, Wine's menu items. (The C runtime's heap keeps blocks in
// groups that a walk counts as used even when they are free.)
size_t ProcessHeapBytesInUse()
{
    HANDLE heap = GetProcessHeap();
    size_t used = 0;
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            used += entry.cbData;
    }
    HeapUnlock(heap);
    return used;
}

// Bytes held through operator new: entries, names, records, launch strings.
std::atomic<long long> newBytes{0};

struct InUse {
    size_t processHeap = ProcessHeapBytesInUse();
    long long cpp = newBytes;
};

}  // namespace

// Counting operator new and delete for this test program: the size is kept
// in front of each block.
void* operator new(size_t size)
{
    auto* block = static_cast<size_t*>(std::malloc(size + 16));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    newBytes += static_cast<long long>(size);
    return reinterpret_cast<char*>(block) + 16;
}

void operator delete(void* pointer) noexcept
{
    if (!pointer)
        return;
    auto* block = reinterpret_cast<size_t*>(static_cast<char*>(pointer) - 16);
    newBytes -= static_cast<long long>(*block);
    std::free(block);
}

void* operator new[](size_t size) { return operator new(size); }
void operator delete[](void* pointer) noexcept { operator delete(pointer); }
void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }
void operator delete[](void* pointer, size_t) noexcept { operator delete(pointer); }

namespace {

// The system image list index an entry of a shown menu got, or -1.
int PictureIndexOf(HMENU menu, int position)
{
    auto* object = dynamic_cast<resident::OwnerDrawMenu*>(resident::TheMenuRegistry().Lookup(menu));
    const resident::MenuItemData* data = menus_test::ItemAt(menu, position).data;
    if (!object || !object->icons() || !data || data->image < 0)
        return -1;
    return object->icons()->IndexOf(data->image);
}

class FolderMenuOnScreen : public FolderMenuTest {
protected:
    void OpenAndStartTheLast(const TempFolder& folder, int entries, InUse* inUse);

    menus_test::OwnerWindow owner;
};

TEST_F(FolderMenuOnScreen, PicturesAreLookedUpForTheDrawnEntriesOnlyAndNoneWithoutIcons)
{
    TempFolder temp("pictures");
    MakeFolder(temp / "資料");
    MakeFolder(temp / "Tools & more");
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BinaryFolder() + "recorder.exe", temp / "recorder.exe"));
    for (const char* name : {"メモ.txt", "readme.htm", "run.bat", "setup.ini", "notes & plans.txt"})
        MakeFile(temp / name);
    for (int i = 0; i < 300; ++i)
        MakeFile(temp / ("report " + std::to_string(1000 + i) + ".txt"));

    HMENU menu = RegisterFolder(temp.path(), 2);
    ShownMenu shown = ShowFolderMenu(owner.get(), menu, registry);
    EXPECT_GT(shown.drawnItems, 10);
    EXPECT_EQ(registry.IconLookupCount(), 0u) << "a menu without icons asks the shell for none";

    NewPopup(resident::MENU_SHOW_ICONS);
    menu = RegisterFolder(temp.path(), 2);
    shown = ShowFolderMenu(owner.get(), menu, registry);
    ASSERT_EQ(GetMenuItemCount(menu), 310);
    size_t lookups = registry.IconLookupCount();
    EXPECT_GT(lookups, 10u);
    EXPECT_LE(lookups, static_cast<size_t>(shown.drawnItems)) << "only drawn entries";
    EXPECT_LT(shown.drawnItems, 100) << "the screen shows part of 310 entries";
    // The header, the two subfolders and the first files have theirs; the
    // last file was never on screen.
    for (int position : {0, 2, 3, 4, 8, 12})
        EXPECT_GE(PictureIndexOf(menu, position), 0) << position;
    EXPECT_EQ(PictureIndexOf(menu, 309), -1);
}

// Opens the folder's menu, chooses its last entry and starts it (entries
// past the 2,001st used to do nothing); inUse, if given, is what was held
// while the menu was on screen.
void FolderMenuOnScreen::OpenAndStartTheLast(const TempFolder& folder, int entries, InUse* inUse)
{
    NewPopup();
    HMENU menu = RegisterFolder(folder.path());
    // Not a deadline: only keeps a menu that missed the keys from hanging
    // the run.
    UINT_PTR guard = menus_test::After(120000, [] { EndMenu(); });
    ShownMenu shown = ShowFolderMenu(owner.get(), menu, registry, [&](const ShownMenu&) {
        if (inUse)
            *inUse = InUse();
        menus_test::PressKey(owner.get(), VK_END);
        menus_test::PressKey(owner.get(), VK_RETURN);
    });
    menus_test::Cancel(guard);
    EXPECT_EQ(GetMenuItemCount(menu), entries + 2) << "the header and its separator";
    resident::SetFolderEntryLookup(&registry);
    resident::DispatchChoice(shown.chosen, launchMap, owner.get());
    resident::SetFolderEntryLookup(nullptr);
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, owner.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) << "not a command";
    std::string log = folder / "zz last.log";
    EXPECT_EQ(testing_support::WaitForRecorderLog(log, 1, 20000).size(), 1u);
    DeleteFileA(log.c_str());
    NewPopup();
}

TEST_F(FolderMenuOnScreen, TwentyThousandFilesOpenTheLastStartsAndTheMemoryIsGivenBack)
{
    std::string program = testing_support::BinaryFolder() + "recorder.exe";
    // A small folder first makes what stays for good: the shell's file
    // types, the launch's own first-time work.
    TempFolder small("small");
    MakeFile(small / "file.txt");
    ASSERT_TRUE(testing_support::CopyFileTo(program, small / "zz last.exe"));
    OpenAndStartTheLast(small, 2, nullptr);

    TempFolder huge("huge");
    for (int i = 0; i < 20000; ++i)
        MakeFile(huge / ("file " + std::to_string(i) + ".txt"));
    ASSERT_TRUE(testing_support::CopyFileTo(program, huge / "zz last.exe"));
    InUse before, open;
    OpenAndStartTheLast(huge, 20001, &open);
    InUse after;
    printf("bytes in use before, with the menu open, after: process heap %zu, %zu, %zu; operator new %lld, %lld, "
           "%lld\n", before.processHeap, open.processHeap, after.processHeap, before.cpp, open.cpp, after.cpp);
    EXPECT_GT(open.cpp, before.cpp + 2'000'000) << "20,000 entries take room while open";
    EXPECT_GT(open.processHeap, before.processHeap + 1'000'000);
    // Less than 4 bytes for each entry that could have been kept.
    EXPECT_LT(after.cpp, before.cpp + 64 * 1024);
    EXPECT_LT(after.processHeap, before.processHeap + 64 * 1024);
}

}  // namespace
