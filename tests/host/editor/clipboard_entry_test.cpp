// Entries through the clipboard text: every kind and field comes back the
// same, and anything but exactly one well-formed entry is refused.
#include <gtest/gtest.h>
#include <vector>
#include "editor/section/clipboard_entry.h"

using namespace editor;
using namespace menufile;

namespace {

std::optional<MenuEntry> Parse(const std::string& text)
{
    // Exactly the text's bytes, no terminating NUL: a read beyond is caught.
    std::vector<char> block(text.begin(), text.end());
    return ParseClipboardEntry(block.data(), block.size());
}

MenuEntry Entry(uint32_t flags, std::string text1, std::string text2 = {})
{
    MenuEntry entry;
    entry.flags = flags;
    entry.text1 = std::move(text1);
    entry.text2 = std::move(text2);
    if (flags & ITEM_SEPARATOR)
        return entry;
    if (!(flags & ITEM_POPUP))  // a group line has no parameters
        entry.parameters = "-a \"b\", c";
    entry.iconPath = "C:\\ソ表\\icons.dll";
    entry.iconNumber = -3;
    return entry;
}

void ExpectRoundTrip(MenuEntry entry)
{
    std::string text = ClipboardText(entry);
    EXPECT_EQ(text.substr(0, 4), "@vq/");
    std::optional<MenuEntry> back = Parse(text);
    ASSERT_TRUE(back) << text;
    MenuList a, b;
    a.entries.push_back(std::move(entry));
    b.entries.push_back(std::move(*back));
    EXPECT_TRUE(SameTree(a, b)) << text;
}

}  // namespace

TEST(ClipboardEntry, EveryKindComesBackWithEveryField)
{
    ExpectRoundTrip(Entry(0, "C:\\Program Files\\a,b.exe", "ダブル \"引用\", 表示"));
    ExpectRoundTrip(Entry(0, "C:\\ソフト\\x.exe"));  // no description: stays empty
    ExpectRoundTrip(Entry(ITEM_SHOWFOLDER | (7u << kFolderOptionShift) | ITEM_MENUBREAK, "C:\\Windows", "w"));
    ExpectRoundTrip(Entry(ITEM_STATIC | ITEM_MENUBREAK, "見出し, 一"));
    ExpectRoundTrip(Entry(ITEM_SEPARATOR, "区切り"));
    MenuEntry group = Entry(ITEM_POPUP, "グループ \"g\"");
    group.submenu = std::make_unique<MenuList>();
    group.submenu->entries.push_back(Entry(0, "b.exe", "b"));
    MenuEntry inner = Entry(ITEM_POPUP, "inner");
    inner.submenu = std::make_unique<MenuList>();
    inner.submenu->entries.push_back(Entry(ITEM_SEPARATOR, ""));
    group.submenu->entries.push_back(std::move(inner));
    group.submenu->entries.push_back(Entry(ITEM_POPUP, "empty"));
    group.submenu->entries.back().submenu = std::make_unique<MenuList>();
    ExpectRoundTrip(std::move(group));
}

TEST(ClipboardEntry, OnlyOneWellFormedEntryIsTaken)
{
    const char* refused[] = {"MENUITEM a.exe, a",  // no prefix: another program's text
                             "@vq/", "@vq/   \r\n", "@vq/; MENUITEM a.exe, a",
                             "@vq/MENUITEM a.exe, a, , , 0, BOGUS", "@vq/MENUITEM", "@vq/NONSENSE a",
                             "@vq/MENUITEM a.exe, a\r\nMENUITEM b.exe, b", "@vq/MENUITEM a.exe, a\r\nEND",
                             "@vq/MENUITEM a.exe, a\r\nEND\r\nPOPUP x\r\nBEGIN", "@vq/POPUP g\r\nBEGIN",
                             "@vq/END\r\nMENUITEM a.exe, a", "@vq/BEGIN"};
    for (const char* text : refused)
        EXPECT_FALSE(Parse(text)) << text;
    EXPECT_FALSE(ParseClipboardEntry(nullptr, 0));
    EXPECT_FALSE(HoldsClipboardEntry("@vq/", 4));
    EXPECT_FALSE(HoldsClipboardEntry("@vq/\0x", 6));
    EXPECT_TRUE(HoldsClipboardEntry("@VQ/x", 5));

    std::optional<MenuEntry> item = Parse("@VQ/  MENUITEM a.exe, a\r\n\0MENUITEM b.exe, b");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text2, "a");
    std::optional<MenuEntry> group = Parse("@vq/POPUP \"g, h\"");  // a lone POPUP line: an empty group
    ASSERT_TRUE(group && group->IsPopup() && group->submenu);
    EXPECT_EQ(group->text1, "g, h");
    EXPECT_TRUE(group->submenu->entries.empty());
}
