// The left pane of a section window: the tree of each tab (texts, kinds,
// images), the image list cut back on every rebuild, and the form a chosen
// node asks for.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>
#include "editor/section/menu_pane.h"
#include "resources/editor/resource_ids.h"
#include "section_frame_fixture.h"
#include "tests/support/box_answers.h"
#include "win32/clipboard.h"
#include "win32/module_path.h"

using namespace editor;

namespace {

class MenuPaneTest : public editor_test::SectionFrameTest {
protected:
    void SetUp() override
    {
        std::string self = win32::ThisProgramPath();
        // Two entries with icons of their own, one group holding a title and
        // a separator; a line flagged with every kind bit shows as a group.
        Load("POPUP m\r\nBEGIN\r\nMENUITEM \"" + self + "\", one\r\nPOPUP g\r\nBEGIN\r\nSTATIC t\r\nSEPARATOR\r\nEND\r\n"
             "MENUITEM x.exe, two, , \"" + self + "\", 0\r\nEND\r\n",
             {}, "POPUP m\r\nBEGIN\r\nSTATIC r\r\nEND\r\n");
        pane = &window->pane();
        menufile::MenuList& right = *settings->model().section(0).menu(kRight)->root();
        right.entries.push_back(Flagged(menufile::ITEM_STATIC | menufile::ITEM_SEPARATOR, "ts"));
        right.entries.push_back(Flagged(menufile::ITEM_POPUP | menufile::ITEM_STATIC | menufile::ITEM_SEPARATOR, "all"));
    }
    static menufile::MenuEntry Flagged(uint32_t flags, const std::string& text)
    {
        menufile::MenuEntry entry;
        entry.flags = flags;
        entry.text1 = text;
        entry.submenu = std::make_unique<menufile::MenuList>();
        return entry;
    }

    // Every node depth first: "text:kind:image" with image "+" for an entry
    // icon, indented one space per level.
    std::string Outline(HTREEITEM item, int depth = 0)
    {
        std::string text;
        for (; item; item = TreeView_GetNextSibling(tree(), item)) {
            char buffer[128] = {};
            TVITEMA data = {};
            data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE;
            data.hItem = item;
            data.pszText = buffer;
            data.cchTextMax = sizeof buffer;
            data.stateMask = TVIS_EXPANDED;
            SendMessageA(tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
            std::string image = data.iImage >= MenuTree::kFixedImages ? "+" : std::to_string(data.iImage);
            bool closed = TreeView_GetChild(tree(), item) && !(data.state & TVIS_EXPANDED);
            text += std::string(depth, ' ') + buffer + ":" + std::to_string(pane->tree().NodeOf(item)->kind) + ":" +
                    image + (closed ? " closed" : "") + "\n";
            text += Outline(TreeView_GetChild(tree(), item), depth + 1);
        }
        return text;
    }
    std::string Tree() { return Outline(TreeView_GetRoot(tree())); }
    void ClickTab(int index)
    {
        TabCtrl_SetCurSel(pane->tabs(), index);
        NMHDR header = {pane->tabs(), MenuPane::kTabsId, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(pane->handle(), WM_NOTIFY, MenuPane::kTabsId, reinterpret_cast<LPARAM>(&header));
    }

    bool Enabled(int id)
    {
        win32::CommandState state;
        return pane->QueryCommand(id, state) && state.enabled;
    }
    std::string EnabledMoves()
    {
        std::string text;
        for (int id : {ID_DELETE_ITEM, ID_LEVEL_DOWN, ID_LEVEL_UP, ID_MOVE_UP, ID_MOVE_DOWN})
            text += Enabled(id) ? "1" : "0";
        return text;
    }

    MenuPane* pane = nullptr;
};

}  // namespace

TEST_F(MenuPaneTest, EachTabBuildsItsTreeWithKindsAndImagesAndAChosenNodeAsksForItsForm)
{
    EXPECT_EQ(Tree(), "オプション:1:1\n 左メニューの設定:5:5\n 右メニューの設定:4:4\n タスクトレー:2:2\n");
    EXPECT_EQ(pane->side(), kOptionsTab);
    EXPECT_EQ(pane->tree().ImageCount(), MenuTree::kFixedImages);
    EXPECT_EQ(window->shownForm(), WPARAM{kOptionsRootNode});
    TreeView_SelectItem(tree(), Node(3));
    EXPECT_EQ(window->shownForm(), WPARAM{kTrayOptionsNode});

    ClickTab(1);
    EXPECT_EQ(pane->side(), kLeft);
    EXPECT_EQ(window->shownForm(), WPARAM{kLeftRootNode});
    EXPECT_TRUE(pane->current().empty());
    EXPECT_EQ(Tree(), "左メニュー:0:0\n one:7:+\n g:8:8\n  t:11:11\n  :9:9\n two:7:+\n");
    const int withIcons = pane->tree().ImageCount();
    EXPECT_EQ(withIcons, MenuTree::kFixedImages + 1);  // both entries name the same icon: one image

    ClickTab(2);
    EXPECT_EQ(Tree(), "右メニュー:13:13\n r:11:11\n ts:11:11\n all:8:8\n");
    EXPECT_EQ(pane->tree().ImageCount(), MenuTree::kFixedImages);
    ClickTab(1);
    ClickTab(1);
    EXPECT_EQ(pane->tree().ImageCount(), withIcons);  // the images cut back on every rebuild
    const std::pair<int, WPARAM> picks[] = {{1, kCommandNode}, {2, kGroupNode}, {3, kTitleNode}, {4, kSeparatorNode}};
    for (auto [node, kind] : picks) {
        TreeView_SelectItem(tree(), Node(node));
        EXPECT_EQ(window->shownForm(), kind) << node;
    }
    EXPECT_EQ(pane->current(), (EntryPath{1, 1}));
}

TEST_F(MenuPaneTest, CommandsRunOnlyOnTheMenuTabsAndKeepTheMovedEntrySelected)
{
    for (int id : {ID_NEW_ITEM, ID_NEW_TITLE, ID_NEW_SEPARATOR, ID_NEW_GROUP})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(EnabledMoves(), "00000");
    ClickTab(1);
    auto before = menufile::CopyTree(Left());
    EXPECT_TRUE(Enabled(ID_NEW_GROUP));
    EXPECT_EQ(EnabledMoves(), "00000");  // the root
    TreeView_SelectItem(tree(), Node(5));  // two, below the group
    EXPECT_EQ(EnabledMoves(), "11010");

    pane->RunCommand(ID_LEVEL_DOWN);
    EXPECT_EQ(pane->current(), (EntryPath{1, 2}));
    EXPECT_EQ(EnabledMoves(), "10110");
    pane->RunCommand(ID_MOVE_UP);
    pane->RunCommand(ID_LEVEL_UP);
    EXPECT_EQ(pane->current(), (EntryPath{2}));
    pane->RunCommand(ID_NEW_GROUP);
    pane->RunCommand(ID_NEW_SEPARATOR);
    EXPECT_EQ(pane->current(), (EntryPath{4}));
    EXPECT_EQ(window->shownForm(), WPARAM{kSeparatorNode});
    EXPECT_EQ(Tree(), "左メニュー:0:0\n one:7:+\n g:8:8\n  t:11:11\n  :9:9\n two:7:+\n"
                      " 新規グループ:8:8\n  新規メニュー:7:+\n :9:9\n");
    EXPECT_TRUE(settings->model().section(0).menu(kLeft)->modified());

    EXPECT_EQ(testing_support::AnswerBox(IDYES, [&] { pane->RunCommand(ID_DELETE_ITEM); }), "区切りを削除しますか?");
    EXPECT_TRUE(pane->current().empty());
    EXPECT_EQ(window->shownForm(), WPARAM{kLeftRootNode});
    while (history().Undo(settings->model())) {
    }
    EXPECT_TRUE(menufile::SameTree(Left(), *before));
}

// Each item of a context menu, depth first, as "1" enabled or "0" grayed.
static std::string EnabledItems(HMENU menu)
{
    std::string flags;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        if (HMENU submenu = GetSubMenu(menu, position)) {
            flags += EnabledItems(submenu);
            continue;
        }
        if (GetMenuItemID(menu, position) != 0)
            flags += GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED ? "0" : "1";
    }
    return flags;
}

TEST_F(MenuPaneTest, ContextMenusEnableTheirItemsAsTheCommandsAndNoneOnTheOptionsTab)
{
    EXPECT_FALSE(pane->ContextMenu(true));
    EXPECT_FALSE(pane->ContextMenu(false));
    ClickTab(1);
    win32::Clipboard(nullptr).SetText("not an entry");
    // New x4, into, out of group, copy, paste, delete; beside the nodes: new x4, paste.
    EXPECT_EQ(EnabledItems(pane->ContextMenu(true).get()), "111100000");
    EXPECT_EQ(EnabledItems(pane->ContextMenu(false).get()), "11110");
    TreeView_SelectItem(tree(), Node(5));
    EXPECT_EQ(EnabledItems(pane->ContextMenu(true).get()), "111110101");
    pane->RunCommand(ID_EDIT_COPY);
    TreeView_SelectItem(tree(), Node(3));
    EXPECT_EQ(EnabledItems(pane->ContextMenu(true).get()), "111101111");
    EXPECT_EQ(EnabledItems(pane->ContextMenu(false).get()), "11111");
}

static std::string ClipboardText()
{
    std::string text;
    win32::Clipboard(nullptr).ReadText([&](const char* bytes, size_t size) { text.assign(bytes, strnlen(bytes, size)); });
    return text;
}

TEST_F(MenuPaneTest, EntriesGoThroughTheClipboardWholeAndForeignTextOnlyBeeps)
{
    ClickTab(1);
    menufile::MenuList& root = Left();
    menufile::MenuList expected;
    for (const EntryPath& source : {EntryPath{0}, EntryPath{1}, EntryPath{1, 0}, EntryPath{1, 1}, EntryPath{2}}) {
        expected.entries.push_back(menufile::CopyEntry(*EntryAt(root, source)));
        pane->tree().Select(source);
        pane->RunCommand(ID_EDIT_COPY);
        EXPECT_EQ(ClipboardText().substr(0, 4), "@vq/");
        pane->tree().Select({root.entries.size() - 1});
        ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
        pane->RunCommand(ID_EDIT_PASTE);
    }
    EXPECT_EQ(pane->current(), EntryPath{7});
    menufile::MenuList pasted;
    for (size_t i = 3; i < root.entries.size(); ++i)
        pasted.entries.push_back(menufile::CopyEntry(root.entries[i]));
    EXPECT_TRUE(menufile::SameTree(pasted, expected));

    pane->RunCommand(ID_EDIT_CUT);
    EXPECT_EQ(root.entries.size(), 7u);
    EXPECT_EQ(ClipboardText(), "@vq/MENUITEM x.exe, two, , " + win32::ThisProgramPath() + ", 0");

    const size_t changes = root.entries.size();
    for (const char* foreign : {"@vq/MENUITEM x.exe, two, , , 0, BOGUS", "@vq/STATIC a\r\nSTATIC b", "two"}) {
        win32::Clipboard(nullptr).SetText(foreign);
        pane->RunCommand(ID_EDIT_PASTE);
        EXPECT_EQ(root.entries.size(), changes) << foreign;
    }
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));  // the text without the prefix is the last one's
}

TEST_F(MenuPaneTest, ABusyClipboardAsksWhetherToTryAgain)
{
    ClickTab(1);
    pane->tree().Select({0});
    win32::Clipboard(nullptr).SetText("before");
    std::promise<void> held, release;
    std::thread holder([&] {
        OpenClipboard(nullptr);
        held.set_value();
        release.get_future().wait_for(std::chrono::minutes(1));
        CloseClipboard();
    });
    held.get_future().wait_for(std::chrono::minutes(1));
    {
        testing_support::BoxAnswers answers(std::vector<testing_support::Answer>{{IDYES, ""}, {IDNO, ""}});
        pane->RunCommand(ID_EDIT_COPY);
        EXPECT_EQ(answers.Finish(), std::vector<std::string>(2, "Clipboard is using by another."));
    }
    release.set_value();
    holder.join();
    EXPECT_EQ(ClipboardText(), "before");
    pane->RunCommand(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText().substr(0, 13), "@vq/MENUITEM ");
}

namespace {

// The point of a node's text in the pane.
POINT PanePoint(MenuPane& pane, HTREEITEM item)
{
    RECT box;
    TreeView_GetItemRect(pane.tree().handle(), item, &box, TRUE);
    POINT at = {box.left + 3, (box.top + box.bottom) / 2};
    MapWindowPoints(pane.tree().handle(), pane.handle(), &at, 1);
    return at;
}

// A drag as the tree and the mouse report it: the tree's notice, a move
// over the target and the button let go there (Esc pressed before when asked).
void DragAndDrop(MenuPane& pane, HTREEITEM from, HTREEITEM to, bool control, bool escape = false)
{
    HWND tree = pane.tree().handle();
    BYTE keys[256] = {};
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    NMTREEVIEWA info = {};
    info.hdr = {tree, MenuTree::kId, static_cast<UINT>(TVN_BEGINDRAGA)};
    info.itemNew.hItem = from;
    SendMessageA(pane.handle(), WM_NOTIFY, MenuTree::kId, reinterpret_cast<LPARAM>(&info));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    const POINT at = PanePoint(pane, to);
    SendMessageA(pane.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    if (escape)
        SendMessageA(pane.handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(pane.handle(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// What the shell sends for files dropped at a point of the pane.
void DropFiles(MenuPane& pane, const std::vector<std::string>& files, HTREEITEM on)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& file : files)
        size += file.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = PanePoint(pane, on);
    char* names = reinterpret_cast<char*>(drop + 1);
    for (const std::string& file : files)
        names = std::copy(file.begin(), file.end(), names) + 1;
    GlobalUnlock(memory);
    SendMessageA(pane.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

}  // namespace

TEST_F(MenuPaneTest, DragsMoveOrCopyAfterTheTargetAndNeverIntoTheDraggedGroup)
{
    ClickTab(1);
    DragAndDrop(*pane, Node(1), Node(5), false);  // one after two
    EXPECT_EQ(Tree(), "左メニュー:0:0\n g:8:8\n  t:11:11\n  :9:9\n two:7:+\n one:7:+\n");
    EXPECT_EQ(pane->current(), EntryPath{2});
    const size_t steps = history().size();
    DragAndDrop(*pane, Node(1), Node(2), false);        // a group onto its own child
    DragAndDrop(*pane, Node(1), Node(1), false);        // onto itself
    DragAndDrop(*pane, Node(4), Node(1), false, true);  // Esc
    EXPECT_EQ(history().size(), steps);
    DragAndDrop(*pane, Node(1), Node(0), true);  // Ctrl: a copy at the end
    EXPECT_EQ(Tree(), "左メニュー:0:0\n g:8:8\n  t:11:11\n  :9:9\n two:7:+\n one:7:+\n g:8:8\n  t:11:11\n  :9:9\n");
    DragAndDrop(*pane, Node(2), Node(6), false);  // out of the group, after the copy
    EXPECT_EQ(Tree(), "左メニュー:0:0\n g:8:8\n  :9:9\n two:7:+\n one:7:+\n g:8:8\n  t:11:11\n  :9:9\n t:11:11\n");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuPaneTest, DroppedFilesBecomeItemsInTheirOrder)
{
    DropFiles(*pane, {"C:\\x.txt"}, Node(0));  // the options tab takes none
    ClickTab(1);
    DropFiles(*pane, {"C:\\a.txt", "C:\\b c.txt", "C:\\ソフト.txt"}, Node(1));
    DropFiles(*pane, {"C:\\z.txt"}, Node(0));
    std::string paths;
    for (const menufile::MenuEntry& entry : Left().entries)
        paths += (entry.IsCommand() ? entry.text1 : "-") + "|";
    EXPECT_EQ(paths, "" + win32::ThisProgramPath() + "|C:\\a.txt|C:\\b c.txt|C:\\ソフト.txt|-|x.exe|C:\\z.txt|");
    EXPECT_EQ(pane->current(), EntryPath{6});
    history().Undo(settings->model());
    history().Undo(settings->model());  // the three files are one step
    EXPECT_EQ(Left().entries.size(), 3u);
}
