// The menu tree built again for a 5,000-entry menu (50 groups of four
// subgroups of 24 commands, each command with one of 20 icons of a DLL)
// against a bare loop that empties a tree-view control and inserts the same
// texts with the same image indexes, expanding every group the same way.
// The first build, which extracts the icons, is printed apart.
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "editor/edit_menu_file.h"
#include "editor/section/menu_tree.h"
#include "win32/file_icon.h"
#include "win32/tree_view.h"

namespace {

constexpr int kIcons = 20;

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

struct Silent : editor::MenuReports {
    void StatementError(const std::string&, int, const menufile::ReportArgs&) override {}
    void FileError(const std::string&, menufile::FileFailure, int) override {}
};

menufile::MenuEntry Group(const std::string& text)
{
    menufile::MenuEntry group;
    group.text1 = text;
    group.flags = menufile::ITEM_POPUP;
    group.submenu = std::make_unique<menufile::MenuList>();
    return group;
}

std::unique_ptr<menufile::MenuList> LargeMenu(const std::string& iconFile)
{
    auto root = std::make_unique<menufile::MenuList>();
    for (int g = 0; g < 50; ++g) {
        root->entries.push_back(Group("Group " + std::to_string(g)));
        for (int s = 0; s < 4; ++s) {
            menufile::MenuEntry sub = Group("Sub " + std::to_string(s));
            for (int i = 0; i < 24; ++i) {
                menufile::MenuEntry entry;
                entry.text1 = "C:\\Programs\\tool" + std::to_string(i) + ".exe";
                entry.text2 = "Tool " + std::to_string(g) + "-" + std::to_string(s) + "-" + std::to_string(i);
                entry.iconPath = iconFile;
                entry.iconNumber = (g + s + i) % kIcons;
                sub.submenu->entries.push_back(std::move(entry));
            }
            root->entries.back().submenu->entries.push_back(std::move(sub));
        }
    }
    return root;
}

// The nodes as the bare loop inserts them: text, image and depth, in order.
struct BareNode {
    std::string text;
    int image;
    size_t depth;
};

void CollectNodes(const menufile::MenuList& list, size_t depth, std::vector<BareNode>& nodes)
{
    for (const menufile::MenuEntry& entry : list.entries) {
        int image = entry.IsPopup() ? 8 : editor::MenuTree::kFixedImages + entry.iconNumber;
        nodes.push_back({entry.IsPopup() ? entry.text1 : entry.text2, image, depth});
        if (entry.submenu)
            CollectNodes(*entry.submenu, depth + 1, nodes);
    }
}


void BareFill(HWND tree, const std::vector<BareNode>& nodes)
{
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree);
    std::vector<HTREEITEM> parents{win32::InsertTreeItem(tree, TVI_ROOT, "root", 0)};
    std::vector<HTREEITEM> groups{parents[0]};
    for (const BareNode& node : nodes) {
        parents.resize(node.depth + 1);
        HTREEITEM item = win32::InsertTreeItem(tree, parents.back(), node.text, node.image);
        parents.push_back(item);
        if (node.image == 8)
            groups.push_back(item);
    }
    for (HTREEITEM group : groups)
        TreeView_Expand(tree, group, TVE_EXPAND);
    TreeView_SelectItem(tree, parents[0]);
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

HWND MakeHost()
{
    return CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 600, nullptr, nullptr,
                           nullptr, nullptr);
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string iconFile = std::string(system) + "\\shell32.dll";

    Silent reports;
    editor::Section section(1, editor::SectionValues{});
    auto menu = std::make_unique<editor::EditMenuFile>("", reports);
    menu->set_root(LargeMenu(iconFile));
    std::vector<BareNode> nodes;
    CollectNodes(*menu->root(), 1, nodes);
    section.set_menu(editor::kLeft, std::move(menu));

    HWND host = MakeHost();
    editor::MenuTree tree;
    tree.Create(host, instance);
    MoveWindow(tree.handle(), 0, 0, 380, 560, TRUE);
    double first = Now();
    tree.Rebuild(editor::kLeft, "left", section);
    first = Now() - first;
    double rebuild = Best(5, [&] { tree.Rebuild(editor::kLeft, "left", section); });

    // The bare control gets the tree's images as they stand after a build.
    HWND bareHost = MakeHost();
    HWND bare = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, 0, 0, 380,
                                560, bareHost, nullptr, instance, nullptr);
    TreeView_SetImageList(bare, tree.images(), TVSIL_NORMAL);
    double baseline = Best(5, [&] { BareFill(bare, nodes); });
    std::printf("%zu entries: first build (icons extracted) %.1f ms\n", nodes.size(), first);
    std::printf("rebuild %.1f ms, bare tree-view fill %.1f ms, ratio %.2f (limit 1.5)\n", rebuild, baseline,
                rebuild / baseline);
    DestroyWindow(bareHost);
    DestroyWindow(host);
    return 0;
}
