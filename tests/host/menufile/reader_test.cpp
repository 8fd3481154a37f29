// The readers: statements, options, errors with their arguments, line
// numbers, the two line rules, files on disk, and hostile input.
#include <gtest/gtest.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include "tests/host/menufile/menufile_test_support.h"

namespace menufile_test {
namespace {

// Reads the text of a menu file (lines joined with CR LF).
struct Read {
    explicit Read(const std::string& body, LineRules rules = LineRules::Resident) : file(rules)
    {
        ok = file.LoadBytes(body);
    }
    const MenuList& root() const { return *file.root(); }
    const MenuEntry& item(size_t i) const { return file.root()->entries.at(i); }
    RecordingMenuFile file;
    bool ok;
};

std::string Menu(const std::string& items) { return "POPUP menu\r\nBEGIN\r\n" + items + "END\r\n"; }

// Every field of every entry, shown as the writer's text on a mismatch.
void ExpectTree(const std::string& body, const std::unique_ptr<MenuList>& expected,
                LineRules rules = LineRules::Resident)
{
    Read read(body, rules);
    ASSERT_TRUE(read.ok) << body;
    EXPECT_TRUE(SameTree(read.root(), *expected)) << TextOf(read.root()) << "instead of\n" << TextOf(*expected);
}

void ExpectError(const std::string& body, int id, const ReportArgs& args,
                 LineRules rules = LineRules::Resident)
{
    Read read(body, rules);
    EXPECT_FALSE(read.ok) << body;
    ASSERT_EQ(read.file.reports.size(), 1u) << body;
    EXPECT_EQ(read.file.reports[0].id, id) << body;
    EXPECT_EQ(read.file.reports[0].args, args) << body;
}

TEST(Reader, StatementsTakeTheirFieldsInOrder)
{
    ExpectTree(Menu("MENUITEM C:\\Windows\\notepad.exe,\x83\x81\x83\x82\x92\xa0\r\n"
                    "MENUITEM \"C:\\Program Files\\a.exe\", A,,,3, MENUBREAK\r\n"
                    "MENUITEM C:\\Program Files\\a.exe\r\n"
                    "MENUITEM p, d, \"/x /y\", icon.dll, -7\r\n"
                    "STATIC Title, ignored, /1/255/0/0, t.ico, 2, menubreak\r\n"
                    "SEPARATOR\r\n"
                    "SEPARATOR ,,,,,MENUBREAK\r\n"
                    "SEPARATOR named, a, b, c, 9\r\n"
                    "POPUP sub, s.ico, 4\r\n"
                    "MENUITEM inner\r\n"
                    "end\r\n"
                    "popup \"no begin\"\r\n"
                    "menuitem x\r\n"
                    "End\r\n"),
               List(Entry(0, "C:\\Windows\\notepad.exe", "\x83\x81\x83\x82\x92\xa0"),
                    Entry(ITEM_MENUBREAK, "C:\\Program Files\\a.exe", "A", "", "", 3),
                    Entry(0, "C:\\ProgramFiles\\a.exe"), Entry(0, "p", "d", "/x /y", "icon.dll", -7),
                    Entry(ITEM_STATIC | ITEM_MENUBREAK, "Title", "", "/1/255/0/0", "t.ico", 2),
                    Entry(ITEM_SEPARATOR, ""), Entry(ITEM_SEPARATOR | ITEM_MENUBREAK, ""),
                    Entry(ITEM_SEPARATOR, "named"), Popup("sub", "s.ico", 4, Entry(0, "inner")),
                    Popup("no begin", "", 0, Entry(0, "x"))));
    // The first popup ignores its fields; an empty last field is none.
    ExpectTree("POPUP a,b,c,d,e,f,MENUBREAK,XYZ\r\nEND\r\n", List());
    ExpectTree(Menu("POPUP a,b,1,,\r\nEND\r\n"), List(Popup("a", "b", 1)));
    // LF alone, CR LF, and a lone CR inside a line; a NUL ends its line.
    ExpectTree("POPUP m\nMENUITEM a\r\nMENUITEM b\rc\nMENUITEM d\r\r\nEND",
               List(Entry(0, "a"), Entry(0, "b\rc"), Entry(0, "d")));
    ExpectTree(Menu(std::string("MENUITEM a\0,b,c\r\n", 17)), List(Entry(0, "a")));
    Read closed(Menu("POPUP x\r\nEND\r\n"));
    EXPECT_EQ(closed.file.current(), nullptr);
}

TEST(Reader, ShowFolderAndItsNumber)
{
    auto flagsOf = [](const std::string& line) {
        Read read(Menu(line + "\r\n"));
        EXPECT_TRUE(read.ok) << line;
        return read.ok ? read.item(0).flags : 0u;
    };
    EXPECT_EQ(flagsOf("MENUITEM C:\\Data,\x83\x66\x81\x5b\x83\x5e,,,,SHOWFOLDER,5"), 0x58000u);
    EXPECT_EQ(flagsOf("MENUITEM C:\\Data,d,,,,SHOWFOLDER,300"), 0x8000u | (44u << 16));
    EXPECT_EQ(flagsOf("MENUITEM a,b,c,d,0,showfolder,5,7"), 0x78000u);
    EXPECT_EQ(flagsOf("MENUITEM a,b,c,d,0,ShowFolder,MenuBreak,9x"), 0x98020u);
    EXPECT_EQ(flagsOf("MENUITEM a,b,c,d,0,SHOWFOLDER"), 0x8000u);
    EXPECT_EQ(flagsOf("MENUITEM a,b,c,d,0,,"), 0u);
    ExpectError(Menu("MENUITEM C:\\Data,d,,,,5,SHOWFOLDER\r\n"), ERR_BAD_OPERAND, {std::string("MENUITEM"), 3});
    // Only a digit starts a number.
    ExpectError(Menu("MENUITEM a,b,c,d,0,SHOWFOLDER,-1\r\n"), ERR_BAD_OPERAND, {std::string("MENUITEM"), 3});
}

TEST(Reader, StatementErrorsNameTheKeywordAsWrittenAndTheLine)
{
    const std::string S = "";
    const struct {
        std::string body;
        int id;
        ReportArgs args;
    } cases[] = {
        // Forbidden fields.
        {Menu("MENUITEM a,b,c,d,0,XYZ\r\n"), ERR_BAD_OPERAND, {S + "MENUITEM", 3}},
        {Menu("static a,b,c,d,0,SHOWFOLDER\r\n"), ERR_BAD_OPERAND, {S + "static", 3}},
        {Menu("Separator a,b,c,d,0,SHOWFOLDER\r\n"), ERR_BAD_OPERAND, {S + "Separator", 3}},
        {Menu("POPUP a,b,1,MENUBREAK\r\nEND\r\n"), ERR_BAD_OPERAND, {S + "POPUP", 3}},
        // Missing operands and missing menus.
        {Menu("STATIC\r\n"), ERR_MISSING_OPERAND, {S + "STATIC", 3}},
        {Menu("menuitem\r\n"), ERR_MISSING_OPERAND, {S + "menuitem", 3}},
        {Menu("Popup\r\nEND\r\n"), ERR_MISSING_OPERAND, {S + "Popup", 3}},
        {Menu(std::string("MENUITEM\0 a\r\n", 13)), ERR_MISSING_OPERAND, {S + "MENUITEM", 3}},
        {"BEGIN\r\n", ERR_NO_POPUP, {1}},
        {"; c\r\nMENUITEM a\r\n", ERR_NO_POPUP, {2}},
        {"SEPARATOR\r\n", ERR_NO_POPUP, {1}},
        {"STATIC x\r\n", ERR_NO_POPUP, {1}},
        {Menu("") + "END\r\n", ERR_TOO_MANY, {S + "END", 4}},
        {Menu("") + "end\r\n", ERR_TOO_MANY, {S + "end", 4}},
        {"END\r\n", ERR_TOO_MANY, {S + "END", 1}},
        // After the outermost END no menu can take a popup.
        {Menu("") + "POPUP late\r\n", ERR_TOO_MANY, {S + "POPUP", 4}},
        {Menu("") + "MENUITEM late\r\n", ERR_NO_POPUP, {4}},
        // Unknown statements: the line, then the keyword.
        {Menu("MENU ITEM x\r\n"), ERR_BAD_STATEMENT, {3, S + "MENU"}},
        {"\x95\x5c\x8e\xa6\r\n", ERR_BAD_STATEMENT, {1, S + "\x95\x5c\x8e\xa6"}},
        // The resident does not trim tabs: this keyword is "\tEND".
        {Menu("") + "\tEND\r\n", ERR_BAD_STATEMENT, {4, S + "\tEND"}},
    };
    for (const auto& c : cases)
        ExpectError(c.body, c.id, c.args);
}

TEST(Reader, CommentsBlankLinesAndTrimmedLinesCountForLineNumbers)
{
    ExpectError("; comment\r\n"
                "\r\n"
                "      \r\n"
                "POPUP m   \r\n"
                "   ;indented comment\r\n"
                "   MENUITEM a  \r\n"
                "BOGUS\r\n",
                ERR_BAD_STATEMENT, {7, std::string("BOGUS")});
    Read onlyComments("; a\r\n\r\n  ; b\r\n");
    EXPECT_TRUE(onlyComments.ok);
    EXPECT_EQ(onlyComments.file.root(), nullptr);
    EXPECT_TRUE(onlyComments.file.reports.empty());
}

TEST(Reader, TheResidentReadsLongLinesIn511BytePieces)
{
    // 600 bytes: a comment of 511 bytes, then a piece of 89 bytes that is
    // another comment; both count.
    std::string longLine = ";" + std::string(510, 'x') + ";" + std::string(88, 'y');
    ASSERT_EQ(longLine.size(), 600u);
    std::string body = "POPUP m\r\n" + longLine + "\r\nBOGUS\r\n";
    ExpectError(body, ERR_BAD_STATEMENT, {4, std::string("BOGUS")});
    ExpectError(body, ERR_BAD_STATEMENT, {3, std::string("BOGUS")}, LineRules::Editor);

    // The second piece is a statement of its own.
    std::string split = "MENUITEM " + std::string(502, 'p') + "MENUITEM q";
    ExpectTree("POPUP m\r\n" + split + "\r\nEND\r\n", List(Entry(0, std::string(502, 'p')), Entry(0, "q")));

    // A line of exactly 511 bytes leaves its line end as an empty piece.
    ExpectError("POPUP m\r\n;" + std::string(510, 'z') + "\r\nBOGUS\r\n", ERR_BAD_STATEMENT,
                {4, std::string("BOGUS")});
    ExpectError("POPUP m\r\n;" + std::string(509, 'z') + "\r\nBOGUS\r\n", ERR_BAD_STATEMENT,
                {3, std::string("BOGUS")});
}

TEST(Reader, TheEditorTrimsAllWhiteSpaceAndKeepsLongLinesWhole)
{
    std::string body = Menu("\t MENUITEM a,\tb\t \r\n"
                            "\tSEPARATOR\v\r\n"
                            "MENUITEM " + std::string(2000, 'p') + "\r\n");
    ExpectTree(body, List(Entry(0, "a", "b"), Entry(ITEM_SEPARATOR, ""), Entry(0, std::string(2000, 'p'))),
               LineRules::Editor);
    ExpectError(body, ERR_BAD_STATEMENT, {3, std::string("\t")});
}

TEST(Reader, EndOfFileChecksEmptyThePath)
{
    RecordingMenuFile empty(LineRules::Resident, "menu.txt");
    EXPECT_FALSE(empty.LoadBytes(""));
    ASSERT_EQ(empty.reports.size(), 1u);
    EXPECT_EQ(empty.reports[0].id, ERR_NO_STATEMENT);
    EXPECT_TRUE(empty.reports[0].args.empty());
    EXPECT_EQ(empty.path(), "");

    RecordingMenuFile open(LineRules::Resident, "menu.txt");
    EXPECT_FALSE(open.LoadBytes("POPUP x\r\nMENUITEM a\r\n; last\r\n\r\n"));
    ASSERT_EQ(open.reports.size(), 1u);
    EXPECT_EQ(open.reports[0].id, ERR_MISSING_STATEMENT);
    EXPECT_EQ(open.reports[0].args, (ReportArgs{std::string("END"), 4}));
    EXPECT_EQ(open.path(), "");
    // What was read stays, with the menu still open.
    ASSERT_NE(open.root(), nullptr);
    EXPECT_EQ(open.root()->entries.size(), 1u);
    EXPECT_EQ(open.current(), open.root());

    // Other errors keep the path for the Notepad offer.
    RecordingMenuFile statement(LineRules::Resident, "menu.txt");
    EXPECT_FALSE(statement.LoadBytes("POPUP x\r\nMENUITEM a\r\nPOPUP s\r\nBOGUS\r\n"));
    EXPECT_EQ(statement.path(), "menu.txt");
    EXPECT_EQ(statement.current(), statement.root()->entries[1].submenu.get());
}

TEST(Reader, FilesOnDisk)
{
    char folder[] = "/tmp/menufile_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string path = std::string(folder) + "/menu.txt";

    RecordingMenuFile missing(LineRules::Resident, path);
    EXPECT_FALSE(missing.Load());
    EXPECT_TRUE(missing.loaded());
    ASSERT_EQ(missing.fileFailures.size(), 1u);
    EXPECT_EQ(missing.fileFailures[0], std::make_pair(FileFailure::Open, ENOENT));
    EXPECT_TRUE(missing.reports.empty());
    EXPECT_EQ(missing.path(), path);

    std::ofstream(path, std::ios::binary).close();
    RecordingMenuFile zero(LineRules::Resident, path);
    EXPECT_FALSE(zero.Load());
    ASSERT_EQ(zero.reports.size(), 1u);
    EXPECT_EQ(zero.reports[0].id, ERR_NO_STATEMENT);

    // Larger than the reader's buffer, so that a CR LF pair falls across a refill.
    std::string body = "POPUP m\r\n";
    for (int i = 0; i < 20000; ++i)
        body += "MENUITEM item" + std::to_string(i) + "\r\n";
    body += "END\r\n";
    std::ofstream(path, std::ios::binary) << body;
    RecordingMenuFile big(LineRules::Resident, path);
    ASSERT_TRUE(big.Load());
    ASSERT_EQ(big.root()->entries.size(), 20000u);
    EXPECT_EQ(big.root()->entries[19999].text1, "item19999");
    Read same(body);
    EXPECT_TRUE(SameTree(*big.root(), same.root()));
    remove(path.c_str());

    // On the host a folder opens but cannot be read.
    RecordingMenuFile folderFile(LineRules::Resident, folder);
    EXPECT_FALSE(folderFile.Load());
    ASSERT_EQ(folderFile.fileFailures.size(), 1u);
    EXPECT_EQ(folderFile.fileFailures[0].first, FileFailure::Read);
    EXPECT_TRUE(folderFile.reports.empty());
    rmdir(folder);
}

TEST(Reader, AnEmptyPathIsAnEmptyMenuAndLoadingAgainStartsAfresh)
{
    RecordingMenuFile file;
    EXPECT_TRUE(file.Load());
    EXPECT_TRUE(file.loaded());
    EXPECT_EQ(file.root(), nullptr);
    ASSERT_TRUE(file.LoadBytes(Menu("MENUITEM a\r\n")));
    ASSERT_TRUE(file.LoadBytes(Menu("MENUITEM b\r\n")));
    ASSERT_EQ(file.root()->entries.size(), 1u);
    EXPECT_EQ(file.root()->entries[0].text1, "b");
}

// Random bytes are the fuzzer's (fuzz/menufile): these are edges it seldom
// reaches.
TEST(Reader, LeadBytesAtEveryEndAndMegabyteLines)
{
    // A lead byte at the end of the line, the file, and a piece.
    Read lead(Menu("MENUITEM a\x83\r\nMENUITEM \"\x83\r\n") + "\x83");
    EXPECT_FALSE(lead.ok);
    EXPECT_EQ(lead.file.reports[0].args, (ReportArgs{6, std::string("\x83")}));
    EXPECT_EQ(lead.item(0).text1, "a\x83");
    EXPECT_EQ(lead.item(1).text1, "\x83");
    // Megabyte lines.
    std::string huge(3 << 20, 'x');
    ExpectError(Menu("MENUITEM " + huge + "\r\n"), ERR_BAD_STATEMENT, {4, std::string(511, 'x')});
    Read whole(Menu("MENUITEM \"" + huge + "\r\n"), LineRules::Editor);
    ASSERT_TRUE(whole.ok);
    EXPECT_EQ(whole.item(0).text1, huge);
}

}  // namespace
}  // namespace menufile_test
