// The writer's exact text, its quoting, and write-then-read round trips.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <random>
#include "tests/host/menufile/menufile_test_support.h"

namespace menufile_test {
namespace {

std::string HeaderBlock()
{
    std::ifstream file(MENU_HEADER_BLOCK, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

WriterInfo Info()
{
    WriterInfo info;
    info.buildDateTime = "Oct 20 2001 16:38:03";
    info.headerBlock = HeaderBlock();
    info.modifiedTime = "<date>";
    info.fileName = "menu_l.txt";
    info.fallbackDisplayText = "ファイルが見つかりません";
    return info;
}

TEST(Writer, WritesTheExactText)
{
    ASSERT_EQ(HeaderBlock().size(), 448u) << "the Shift-JIS header block file";
    MenuEntry folder = Entry(ITEM_SHOWFOLDER | (9u << 16), "&#17");
    auto root = List(Entry(ITEM_STATIC, "Taro Yamada", {}, "/1/255/0/0"),
                     Entry(0, "C:\\Windows\\notepad.exe", "メモ帳"),
                     Entry(ITEM_SEPARATOR, ""),
                     Popup("Tools", "C:\\icons.dll", 3,
                           Entry(ITEM_MENUBREAK, "C:\\Program Files\\a.exe", "A, B", "/x \"y\"", "a.ico", -2),
                           std::move(folder),
                           Entry(ITEM_SEPARATOR | ITEM_MENUBREAK, "")));
    std::string expected = "; メニュー用定義ファイル\r\n"
                           ";Version 1.10 Oct 20 2001 16:38:03\r\n" +
                           HeaderBlock() +
                           "; modified -- <date>\r\n"
                           "POPUP menu_l.txt\r\n"
                           "BEGIN\r\n"
                           "    STATIC \"Taro Yamada\", \"Taro Yamada\", /1/255/0/0, , 0\r\n"
                           "    MENUITEM C:\\Windows\\notepad.exe, メモ帳, , , 0\r\n"
                           "    SEPARATOR \r\n"
                           "    POPUP Tools, C:\\icons.dll, 3\r\n"
                           "    BEGIN\r\n"
                           "        MENUITEM \"C:\\Program Files\\a.exe\", \"A, B\", \"/x \"\"y\"\"\", a.ico, -2, "
                           "MENUBREAK\r\n"
                           "        MENUITEM &#17, ファイルが見つかりません, , , 0, SHOWFOLDER, 9\r\n"
                           "        SEPARATOR ,,,,, MENUBREAK\r\n"
                           "    END\r\n"
                           "END\r\n";
    EXPECT_EQ(MenuWriter(Info()).Text(*root), expected);
}

// What else needs quotes is the round trip's below.
TEST(Writer, QuotesOnlyWhatTheReadersWouldChangeAndNoLineBreaks)
{
    EXPECT_EQ(MenuWriter::Quote(";MENUBREAK"), ";MENUBREAK");
    // A line break cannot stand in a line; texts end at a NUL as C strings do.
    EXPECT_EQ(MenuWriter::Quote("two\nlines"), "\"two lines\"");
    EXPECT_EQ(MenuWriter::Quote(std::string("cut\0off", 7)), "cut");
    // Trail bytes 0x5C and 0x7C need no quotes.
    EXPECT_EQ(MenuWriter::Quote("\x83\x5c\x83\x7c"), "\x83\x5c\x83\x7c");
}

class ShellNames : public MenuWriter {
public:
    using MenuWriter::MenuWriter;

protected:
    std::string DisplayName(const MenuEntry& entry) const override
    {
        return entry.text1 == "&#17" ? "My Computer" : "";
    }
};

TEST(Writer, CommandItemsWithoutDescriptionGetADisplayText)
{
    auto root = List(Entry(0, "&#17"), Entry(0, "C:\\gone.exe"), Entry(0, "C:\\x.exe", "Given"));
    std::string text = ShellNames(Info()).Text(*root);
    EXPECT_NE(text.find("    MENUITEM &#17, \"My Computer\", , , 0\r\n"), std::string::npos);
    EXPECT_NE(text.find("    MENUITEM C:\\gone.exe, ファイルが見つかりません, , , 0\r\n"), std::string::npos);
    EXPECT_NE(text.find("    MENUITEM C:\\x.exe, Given, , , 0\r\n"), std::string::npos);
}

TEST(Writer, StopsWhenTheSinkRefuses)
{
    auto root = List(Entry(0, "a", "b"), Entry(0, "c", "d"));
    int pieces = 0;
    bool ok = MenuWriter(Info()).Write(*root, [&pieces](const char*, size_t) { return ++pieces < 3; });
    EXPECT_FALSE(ok);
    EXPECT_EQ(pieces, 3);
}

TEST(Writer, IndentationStopsGrowingPast32Levels)
{
    auto root = List();
    MenuList* list = root.get();
    for (int level = 0; level < 40; ++level) {
        list->entries.push_back(Popup("p", "", 0));
        list = list->entries.back().submenu.get();
    }
    list->entries.push_back(Entry(0, "deep", "d"));
    std::string text = MenuWriter(Info()).Text(*root);
    EXPECT_NE(text.find("\r\n" + std::string(128, ' ') + "MENUITEM deep"), std::string::npos);
    EXPECT_EQ(text.find(std::string(129, ' ')), std::string::npos);
}

TEST(Writer, FileNameOfAPath)
{
    EXPECT_EQ(FileNameOf("C:\\Tools\\work\\menu_l.txt"), "menu_l.txt");
    EXPECT_EQ(FileNameOf("menu.txt"), "menu.txt");
    EXPECT_EQ(FileNameOf("D:menu.txt"), "menu.txt");
    // 表 ends in 0x5C: not a folder separator.
    EXPECT_EQ(FileNameOf("C:\\\x95\x5c\\\x95\x5c.txt"), "\x95\x5c.txt");
}

// Random trees of every kind with texts that test the quoting.
class TreeMaker {
public:
    explicit TreeMaker(unsigned seed) : random_(seed) {}

    std::unique_ptr<MenuList> Make(int depth)
    {
        auto list = std::make_unique<MenuList>();
        int count = static_cast<int>(random_() % 6);
        for (int i = 0; i < count; ++i)
            list->entries.push_back(MakeEntry(depth));
        return list;
    }

private:
    std::string Text()
    {
        static const char* const kTexts[] = {"",        "plain",       "C:\\Program Files\\a.exe", "a,b",
                                             " lead",   "trail ",      "say \"hi\"",               "\"",
                                             "\t",      "tab\tin",     ";semicolon",               "MENUBREAK",
                                             "SHOWFOLDER", "END",      "\x83\x5c\x95\x5c",         "&#17",
                                             ",,,",     "a\"\",\"b",   "  ",                        "x\ry"};
        return kTexts[random_() % (sizeof kTexts / sizeof kTexts[0])];
    }
    int IconNumber() { return static_cast<int>(random_() % 2001) - 1000; }
    bool Chance() { return random_() % 2 == 0; }

    MenuEntry MakeEntry(int depth)
    {
        switch (random_() % (depth > 0 ? 4 : 3)) {
        case 0: {
            uint32_t flags = Chance() ? uint32_t{ITEM_MENUBREAK} : 0u;
            if (Chance())
                flags |= ITEM_SHOWFOLDER | ((random_() % 256) << kFolderOptionShift);
            return Entry(flags, Text(), Text(), Text(), Text(), IconNumber());
        }
        case 1:
            return Entry(ITEM_STATIC | (Chance() ? uint32_t{ITEM_MENUBREAK} : 0u), Text(), {}, Text(), Text(), IconNumber());
        case 2:
            return Entry(ITEM_SEPARATOR | (Chance() ? uint32_t{ITEM_MENUBREAK} : 0u), Text());
        default: {
            MenuEntry popup = Entry(ITEM_POPUP, Text(), {}, {}, Text(), IconNumber());
            popup.submenu = Make(depth - 1);
            return popup;
        }
        }
    }

    std::mt19937 random_;
};

TEST(RoundTrip, GeneratedTreesReadBackTheSame)
{
    WriterInfo info = Info();
    info.fallbackDisplayText.clear();  // keeps an empty description empty
    MenuWriter writer(info);
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::unique_ptr<MenuList> tree = TreeMaker(seed).Make(4);
        std::string text = writer.Text(*tree);
        for (LineRules rules : {LineRules::Resident, LineRules::Editor}) {
            RecordingMenuFile file(rules);
            ASSERT_TRUE(file.LoadBytes(text)) << text;
            ASSERT_TRUE(SameTree(*file.root(), *tree)) << "seed " << seed << "\n"
                                                        << text << "read back as\n"
                                                        << TextOf(*file.root());
        }
    }
}

}  // namespace
}  // namespace menufile_test
