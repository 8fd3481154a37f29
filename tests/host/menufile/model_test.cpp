// Copying and comparing trees (the comparison is the other tests' oracle),
// and a tree nested 100,000 deep read, written, copied and destroyed without
// recursion.
#include <gtest/gtest.h>
#include "tests/host/menufile/menufile_test_support.h"

namespace menufile_test {
namespace {

TEST(Model, CopiesAreDeepAndIndependent)
{
    auto tree = List(Entry(ITEM_STATIC, "t", {}, "p", "i", 2), Popup("sub", "s.ico", 1, Entry(0, "a", "b")));
    tree->entries[0].scratch = "work";
    std::unique_ptr<MenuList> copy = CopyTree(*tree);
    EXPECT_TRUE(SameTree(*copy, *tree));
    EXPECT_EQ(copy->entries[0].scratch, "");
    EXPECT_EQ(copy->entries[1].submenu->parent, copy.get());
    copy->entries[1].submenu->entries[0].text1 = "changed";
    EXPECT_EQ(tree->entries[1].submenu->entries[0].text1, "a");
}

TEST(Model, SameTreeSeesEveryField)
{
    auto base = [] { return List(Popup("p", "i", 1, Entry(ITEM_MENUBREAK, "a", "b", "c", "d", 5))); };
    auto original = base();
    EXPECT_TRUE(SameTree(*original, *base()));
    auto change = [&](auto edit) {
        auto tree = base();
        edit(tree->entries[0].submenu->entries[0]);
        return SameTree(*original, *tree);
    };
    EXPECT_FALSE(change([](MenuEntry& e) { e.text1 = "x"; }));
    EXPECT_FALSE(change([](MenuEntry& e) { e.text2 = "x"; }));
    EXPECT_FALSE(change([](MenuEntry& e) { e.parameters = "x"; }));
    EXPECT_FALSE(change([](MenuEntry& e) { e.iconPath = "x"; }));
    EXPECT_FALSE(change([](MenuEntry& e) { e.iconNumber = 6; }));
    EXPECT_FALSE(change([](MenuEntry& e) { e.flags = 0; }));
    EXPECT_FALSE(change([](MenuEntry& e) { e.submenu = std::make_unique<MenuList>(); }));
    EXPECT_TRUE(change([](MenuEntry& e) { e.scratch = "x"; }));
    auto longer = base();
    longer->entries.push_back(Entry(0, "x"));
    EXPECT_FALSE(SameTree(*original, *longer));
}

constexpr int kDepth = 100000;

std::string DeepFile(bool closed)
{
    std::string text = "POPUP root\r\n";
    for (int i = 0; i < kDepth; ++i)
        text += "POPUP p\r\n";
    text += "MENUITEM bottom, b\r\n";
    if (closed) {
        for (int i = 0; i <= kDepth; ++i)
            text += "END\r\n";
    }
    return text;
}

TEST(Model, A100000DeepFileIsReadWrittenCopiedAndDestroyed)
{
    auto file = std::make_unique<RecordingMenuFile>();
    ASSERT_TRUE(file->LoadBytes(DeepFile(true)));
    int depth = 0;
    for (const MenuList* list = file->root(); !list->entries.front().IsCommand(); ++depth)
        list = list->entries.front().submenu.get();
    EXPECT_EQ(depth, kDepth);

    WriterInfo info;
    info.fileName = "deep.txt";
    std::string text = MenuWriter(info).Text(*file->root());
    RecordingMenuFile again;
    ASSERT_TRUE(again.LoadBytes(text));
    EXPECT_TRUE(SameTree(*again.root(), *file->root()));
    EXPECT_TRUE(SameTree(*CopyTree(*file->root()), *file->root()));
    file.reset();

    RecordingMenuFile open;
    EXPECT_FALSE(open.LoadBytes(DeepFile(false)));
    ASSERT_EQ(open.reports.size(), 1u);
    EXPECT_EQ(open.reports[0].args, (ReportArgs{std::string("END"), kDepth + 2}));
}

}  // namespace
}  // namespace menufile_test
