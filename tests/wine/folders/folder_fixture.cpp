#include "tests/wine/folders/folder_fixture.h"

#include "resident/menus/launch_map.h"
#include "resident/tray/tray_popup.h"
#include "tests/support/test_support.h"
#include "tests/wine/menus/menu_fixture.h"

void FolderMenuTest::SetUp()
{
    menus_test::PrepareApp();
    NewPopup();
}

void FolderMenuTest::TearDown()
{
    registry.Clear();
    unresolved_.clear();
}

void FolderMenuTest::NewPopup(int options)
{
    registry.Clear();
    unresolved_.clear();
    launchMap.Clear();
    ids = resident::EntryIds(launchMap, resident::SettingsCommands());
    options_ = options | resident::MENU_SHOW_TEXT;
    registry.Prepare(menus_test::Context(), options_, 0);
    registry.SetIdSource(&ids);
}

HMENU FolderMenuTest::RegisterFolder(const std::string& path, int maximumDepth)
{
    auto submenu = std::make_unique<resident::OwnerDrawMenu>(menus_test::Context(), options_, 0);
    submenu->Attach(CreateMenu());
    HMENU handle = submenu->handle();
    if (registry.Register(submenu, path, maximumDepth))
        return handle;
    EXPECT_TRUE(submenu) << "a refused submenu stays with the caller";
    unresolved_.push_back(std::move(submenu));
    return nullptr;
}

std::vector<ShownItem> FolderMenuTest::Open(HMENU menu)
{
    int count = registry.MenuOpened(menu);
    EXPECT_EQ(count, GetMenuItemCount(menu));
    return Items(menu);
}

std::vector<ShownItem> FolderMenuTest::Items(HMENU menu) const
{
    std::vector<ShownItem> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        menus_test::ItemInfo info = menus_test::ItemAt(menu, position);
        ShownItem item;
        if (info.data) {
            item.text = info.data->text;
            item.kind = info.data->kind;
        }
        item.submenu = info.submenu;
        if (item.kind == resident::KIND_COMMAND) {
            item.id = info.id;
            item.target = resident::LaunchTarget(launchMap.Find(static_cast<int>(info.id)));
        }
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> FolderMenuTest::Texts(HMENU menu) const
{
    std::vector<std::string> texts;
    for (const ShownItem& item : Items(menu))
        texts.push_back(item.text);
    return texts;
}

void MakeFolder(const std::string& path)
{
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
}

void MakeFile(const std::string& path)
{
    ASSERT_TRUE(testing_support::WriteFileBytes(path, "x")) << path;
}
