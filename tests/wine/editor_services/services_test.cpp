// The services browser in the editor's real frame beside a real section
// window: what its categories list, and drags of them onto the menu tree.
//
// This Wine's desktop holds マイ コンピューター, Documents, ごみ箱 and Z:\;
// its control panel three applets that can be linked but are no files; the
// special folders 0 to 48 all exist but 12, 15, 29 and 30.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>
#include "editor/services/object_entries.h"
#include "editor/services/services_window.h"
#include "menufile/special_folder_shell.h"
#include "resources/editor/resource_ids.h"
#include "shellfiles/shortcut.h"
#include "tests/support/box_answers.h"
#include "tests/wine/editor_section/section_frame_fixture.h"

using namespace editor;
using testing_support::ReadFileBytes;

namespace {

class ServicesTest : public editor_test::SectionFrameTest {
protected:
    void SetUp() override
    {
        Load("POPUP m\r\nBEGIN\r\nMENUITEM a.exe, a\r\nEND\r\n");
        window->pane().SelectTab(1);
        CreateDirectoryA(pool.c_str(), nullptr);
        frame->SetTemplatesFactory([this] {
            ServicesContext context{GetModuleHandleA(nullptr), pool, win32::AttachSystemImageLists(),
                                    [this](int percent) { progress.push_back(percent); }};
            return std::make_unique<ServicesWindow>(context);
        });
        services = OpenServices();
        ASSERT_NE(services, nullptr);
    }
    void TearDown() override
    {
        SectionFrameTest::TearDown();
        testing_support::RemoveTree(pool);
    }

    ServicesWindow* OpenServices()
    {
        frame->Run(ID_TEMPLATE_WINDOW);
        frame->Run(ID_WINDOW_TILE);
        return static_cast<ServicesWindow*>(frame->windows().Find(WindowKind::Templates));
    }
    // The browser's tree item of a category (the root is -1).
    HTREEITEM Category(int category)
    {
        HTREEITEM item = TreeView_GetChild(services->tree(), TreeView_GetRoot(services->tree()));
        for (int n = kDesktopCategory; item && n < category; ++n)
            item = TreeView_GetNextSibling(services->tree(), item);
        return category == kServicesRoot ? TreeView_GetRoot(services->tree()) : item;
    }
    std::string CategoryText(int category)
    {
        char text[MAX_PATH] = "";
        TVITEMA data = {TVIF_TEXT, Category(category)};
        data.pszText = text;
        data.cchTextMax = sizeof text;
        TreeView_GetItem(services->tree(), &data);
        return text;
    }
    POINT OnMenuRoot() { return OnMenuItem(TreeView_GetRoot(tree())); }
    // A point of the browser's list: outside any menu tree.
    POINT OnList()
    {
        RECT list;
        GetWindowRect(services->list().handle(), &list);
        return {list.left + 20, list.top + 20};
    }
    // The middle of a menu tree node's text on the screen.
    POINT OnMenuItem(HTREEITEM item)
    {
        RECT box = {};
        TreeView_GetItemRect(tree(), item, &box, TRUE);
        POINT point = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        ClientToScreen(tree(), &point);
        return point;
    }
    void MouseTo(UINT message, POINT screen, WPARAM keys = 0)
    {
        ScreenToClient(services->handle(), &screen);
        SendMessageA(services->handle(), message, keys, MAKELPARAM(screen.x, screen.y));
    }
    // A category dragged from the browser's tree as the tree and the mouse
    // report it, let go at a point of the screen unless ended before.
    void DragCategory(int category, POINT to, UINT ending = WM_LBUTTONUP)
    {
        BeginDrag(category);
        MouseTo(WM_MOUSEMOVE, to, MK_LBUTTON);
        if (ending == WM_KEYDOWN)
            SendMessageA(services->handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        else if (ending == WM_CAPTURECHANGED)
            ReleaseCapture();
        MouseTo(WM_LBUTTONUP, to);
    }
    void BeginDrag(int category)
    {
        NMTREEVIEWA info = {};
        info.hdr = {services->tree(), ServicesWindow::kTreeId, static_cast<UINT>(TVN_BEGINDRAGA)};
        info.itemNew.hItem = Category(category);
        SendMessageA(services->handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    }
    std::vector<std::string> Texts(const menufile::MenuList& list)
    {
        std::vector<std::string> texts;
        for (const menufile::MenuEntry& entry : list.entries)
            texts.push_back(entry.text1);
        return texts;
    }

    const std::string pool = folder.path() + "pool\\";
    ServicesWindow* services = nullptr;
    std::vector<int> progress;
};

}  // namespace

TEST_F(ServicesTest, CategoriesListTheirObjectsOnceAndTheWindowFreesEveryIdList)
{
    frame->Run(ID_TEMPLATE_WINDOW);  // closes it
    EXPECT_FALSE(frame->StateOf(ID_TEMPLATE_WINDOW).checked);
    const long lists = win32::UniqueItemIdList::LiveCount();
    services = OpenServices();
    EXPECT_TRUE(frame->StateOf(ID_TEMPLATE_WINDOW).checked);
    EXPECT_EQ(CategoryText(kSystemFoldersCategory), "システムフォルダ");
    EXPECT_EQ(CategoryText(kDesktopCategory), "デスクトップ");
    for (int category = kDesktopCategory; category <= kSystemFoldersCategory; ++category) {
        TreeView_SelectItem(services->tree(), Category(category));
        EXPECT_EQ(services->list().count(), static_cast<int>(services->Objects(category).size())) << category;
    }
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    const size_t steps = progress.size();
    TreeView_SelectItem(services->tree(), Category(kDesktopCategory));
    TreeView_SelectItem(services->tree(), Category(kSystemFoldersCategory));  // read once only
    EXPECT_EQ(progress.size(), steps);
    EXPECT_GT(win32::UniqueItemIdList::LiveCount(), lists);
    frame->Run(ID_TEMPLATE_WINDOW);
    EXPECT_EQ(win32::UniqueItemIdList::LiveCount(), lists);
}

TEST_F(ServicesTest, ObjectsGiveTheirPathsOrSpecialFolders)
{
    ObjectEntries entries(pool);
    auto texts = [&](int category) {
        std::string text;
        for (const ServiceObject& object : services->Objects(category))
            text += entries.TextOf(object) + " ";
        return text;
    };
    char documents[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    EXPECT_EQ(texts(kDesktopCategory), "&#17|1 " + std::string(documents) + "\\ &#10|1 Z:\\ ");
    EXPECT_EQ(texts(kSystemFoldersCategory),
              "&#0|1 &#1 &#2|1 &#3|1 &#4|1 &#5|1 &#6|1 &#7|1 &#8|1 &#9|1 &#10|1 &#11|1 &#13|1 &#14|1 &#16|1 &#17|1 "
              "&#18|1 &#19|1 &#20|1 &#21|1 &#22|1 &#23|1 &#24|1 &#25|1 &#26|1 &#27|1 &#28|1 &#31|1 &#32|1 &#33|1 "
              "&#34|1 &#35|1 &#36|1 &#37|1 &#38|1 &#39|1 &#40|1 &#41|1 &#42|1 &#43|1 &#44|1 &#45|1 &#46|1 &#47|1 &#48|1 ");
    // Split as the menu stores it.
    std::vector<menufile::MenuEntry> made = entries.EntriesOf({&services->Objects(kDesktopCategory)[2]});
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].text1, "&#10");
}

TEST_F(ServicesTest, TheControlPanelBecomesAGroupOfShortcutsMadeOnceAndNeverPointedElsewhere)
{
    const std::vector<ServiceObject>& applets = services->Objects(kControlPanelCategory);
    ASSERT_EQ(applets.size(), 3u);
    // A shortcut of the first applet's name that some entry uses for another target.
    std::string foreign = pool + applets[0].item.displayName + ".lnk";
    ASSERT_TRUE(shellfiles::WriteShortcut(foreign, menufile::SpecialFolderIdList(CSIDL_PERSONAL).get()));
    const std::string foreignBytes = ReadFileBytes(foreign);
    auto before = menufile::CopyTree(Left());

    DragCategory(kControlPanelCategory, OnMenuRoot());
    ASSERT_EQ(Left().entries.size(), 2u);
    EXPECT_EQ(ReadFileBytes(foreign), foreignBytes);
    EXPECT_EQ(testing_support::FileNames(pool + "*").size(), 4u);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TreeView_GetDropHilight(tree()), nullptr);
    auto after = menufile::CopyTree(Left());

    history().Undo(settings->model());  // one step
    EXPECT_TRUE(menufile::SameTree(Left(), *before));
    history().Redo(settings->model());
    EXPECT_TRUE(menufile::SameTree(Left(), *after));

    DragCategory(kControlPanelCategory, OnMenuRoot());  // the same shortcuts again
    EXPECT_EQ(testing_support::FileNames(pool + "*").size(), 4u);

    // Named after the category, the first applet's shortcut beside the foreign one.
    frame->Run(ID_SAVE_ALL);
    const std::string popup = "    POPUP \"コントロール パネル\", , 0\r\n    BEGIN\r\n"
                              "        MENUITEM " + pool + "プログラムの追加と削除_2.lnk, プログラムの追加と削除_2, , , 0\r\n"
                              "        MENUITEM " + pool + "インターネット設定.lnk, インターネット設定, , , 0\r\n"
                              "        MENUITEM \"" + pool + "ゲーム コントローラー.lnk\", \"ゲーム コントローラー\", , , 0\r\n"
                              "    END\r\n";
    std::string written = ReadFileBytes(menuPath());
    EXPECT_EQ(written.substr(written.find("BEGIN\r\n")),
              "BEGIN\r\n    MENUITEM a.exe, a, , , 0\r\n" + popup + popup + "END\r\n");
}

TEST_F(ServicesTest, AShortcutThatCannotBeMadeIsToldOnceAndNothingIsPutIn)
{
    testing_support::RemoveTree(pool);
    testing_support::WriteFileBytes(pool.substr(0, pool.size() - 1), "a file where the pool folder was");
    menufile::MenuEntry kept;
    kept.text1 = "edited.exe";
    MenuOperations(settings->model(), history(), settings->model().section(0).id(), kLeft).Insert(std::move(kept), {});
    const size_t steps = history().size();

    testing_support::BoxAnswers answers({{IDOK}, {IDOK}, {IDOK}});
    DragCategory(kControlPanelCategory, OnMenuRoot());
    std::vector<std::string> told = answers.Finish();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(pool), std::string::npos);
    EXPECT_EQ(history().size(), steps);
    EXPECT_EQ(Texts(Left()), (std::vector<std::string>{"a.exe", "edited.exe"}));
    EXPECT_TRUE(IsWindow(services->handle()));
    DeleteFileA(pool.substr(0, pool.size() - 1).c_str());
}

TEST_F(ServicesTest, ADragEndingElsewhereOrCancelledPutsNothingIn)
{
    const size_t steps = history().size();
    DragCategory(kDesktopCategory, OnList());
    DragCategory(kDesktopCategory, OnMenuRoot(), WM_KEYDOWN);
    EXPECT_EQ(TreeView_GetDropHilight(tree()), nullptr);
    DragCategory(kDesktopCategory, OnMenuRoot(), WM_CAPTURECHANGED);
    EXPECT_EQ(history().size(), steps);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(services->dragging());
    DragCategory(kDesktopCategory, OnMenuRoot());  // and a drop that lands puts its group in
    EXPECT_EQ(history().size(), steps + 1);
    EXPECT_EQ(Left().entries.back().submenu->entries.size(), 4u);  // read as the drag began
}

TEST_F(ServicesTest, TheListsCommandsFollowItsRowsWhichAreDroppedInTheirOrder)
{
    TreeView_SelectItem(services->tree(), Category(kServicesRoot));
    EXPECT_FALSE(frame->StateOf(ID_SELECT_ALL).enabled);
    TreeView_SelectItem(services->tree(), Category(kDesktopCategory));
    ASSERT_TRUE(frame->StateOf(ID_SELECT_ALL).enabled);
    frame->Run(ID_SELECT_ALL);
    EXPECT_EQ(services->list().Selected().size(), 4u);
    EXPECT_TRUE(frame->StateOf(ID_VIEW_LARGE_ICONS).checked);
    frame->Run(ID_VIEW_DETAILS);
    EXPECT_TRUE(frame->StateOf(ID_VIEW_DETAILS).checked);
    EXPECT_FALSE(frame->StateOf(ID_VIEW_LARGE_ICONS).checked);
    EXPECT_EQ(services->list().view(), static_cast<DWORD>(LVS_REPORT));

    TreeView_SelectItem(services->tree(), Category(kSystemFoldersCategory));
    HWND list = services->list().handle();
    ListView_SetItemState(list, 3, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    NMLISTVIEW info = {};
    info.hdr = {list, ObjectList::kId, static_cast<UINT>(LVN_BEGINDRAG)};
    info.iItem = 3;
    SendMessageA(services->handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    MouseTo(WM_MOUSEMOVE, OnMenuRoot(), MK_LBUTTON);
    MouseTo(WM_LBUTTONUP, OnMenuRoot());
    EXPECT_EQ(Texts(Left()), (std::vector<std::string>{"a.exe", "&#1", "&#3"}));
}

TEST_F(ServicesTest, TheCursorTellsWhereADropIsTakenAndTheMiddleButtonOpensAGroup)
{
    DragCategory(kDesktopCategory, OnMenuRoot());
    HTREEITEM group = TreeView_GetNextSibling(tree(), TreeView_GetChild(tree(), TreeView_GetRoot(tree())));
    TreeView_Expand(tree(), group, TVE_COLLAPSE);
    // This Wine never drop-highlights the selected node.
    TreeView_SelectItem(tree(), TreeView_GetRoot(tree()));
    auto open = [&] { return (TreeView_GetItemState(tree(), group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; };

    BeginDrag(kDesktopCategory);
    MouseTo(WM_MOUSEMOVE, OnMenuItem(group), MK_LBUTTON);
    EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_DROP)));
    EXPECT_EQ(TreeView_GetDropHilight(tree()), group);
    EXPECT_FALSE(open());
    MouseTo(WM_MBUTTONDOWN, OnMenuItem(group), MK_LBUTTON | MK_MBUTTON);
    EXPECT_TRUE(open());
    MouseTo(WM_MOUSEMOVE, OnList(), MK_LBUTTON);
    EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_NO_DROP)));
    EXPECT_EQ(TreeView_GetDropHilight(tree()), nullptr);
    SendMessageA(services->handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}
