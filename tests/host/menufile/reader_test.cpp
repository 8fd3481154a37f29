// The readers: statements, options, errors with their arguments, line
// numbers, the two line rules, files on disk, and hostile input.
#include <gtest/gtest.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <random>
#include "tests/host/menufile/menufile_test_support.h"

namespace menufile_test {
namespace {

const int kAny = -1;

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

void ExpectError(const std::string& body, int id, const ReportArgs& args,
                 LineRules rules = LineRules::Resident)
{
    Read read(body, rules);
    EXPECT_FALSE(read.ok) << body;
    ASSERT_EQ(read.file.reports.size(), 1u) << body;
    EXPECT_EQ(read.file.reports[0].id, id) << body;
    EXPECT_EQ(read.file.reports[0].args, args) << body;
}

TEST(Reader, CommandItemsTakeTheirFieldsInOrder)
{
    Read read(Menu("MENUITEM C:\\Windows\\notepad.exe,\x83\x81\x83\x82\x92\xa0\r\n"
                   "MENUITEM \"C:\\Program Files\\a.exe\", A,,,3, MENUBREAK\r\n"
                   "MENUITEM C:\\Program Files\\a.exe\r\n"
                   "MENUITEM p, d, \"/x /y\", icon.dll, -7\r\n"));
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.root().entries.size(), 4u);
    const MenuEntry& notepad = read.item(0);
    EXPECT_EQ(notepad.text1, "C:\\Windows\\notepad.exe");
    EXPECT_EQ(notepad.text2, "\x83\x81\x83\x82\x92\xa0");
    EXPECT_EQ(notepad.parameters, "");
    EXPECT_EQ(notepad.iconPath, "");
    EXPECT_EQ(notepad.iconNumber, 0);
    EXPECT_EQ(notepad.flags, 0u);
    EXPECT_EQ(read.item(1).text1, "C:\\Program Files\\a.exe");
    EXPECT_EQ(read.item(1).iconNumber, 3);
    EXPECT_EQ(read.item(1).flags, uint32_t{ITEM_MENUBREAK});
    EXPECT_EQ(read.item(2).text1, "C:\\ProgramFiles\\a.exe");
    EXPECT_EQ(read.item(3).parameters, "/x /y");
    EXPECT_EQ(read.item(3).iconPath, "icon.dll");
    EXPECT_EQ(read.item(3).iconNumber, -7);
}

TEST(Reader, TitlesSeparatorsAndPopups)
{
    Read read(Menu("STATIC Title, ignored, /1/255/0/0, t.ico, 2, menubreak\r\n"
                   "SEPARATOR\r\n"
                   "SEPARATOR ,,,,,MENUBREAK\r\n"
                   "SEPARATOR named, a, b, c, 9\r\n"
                   "POPUP sub, s.ico, 4\r\n"
                   "MENUITEM inner\r\n"
                   "end\r\n"
                   "popup \"no begin\"\r\n"
                   "menuitem x\r\n"
                   "End\r\n"));
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.root().entries.size(), 6u);
    const MenuEntry& title = read.item(0);
    EXPECT_EQ(title.flags, uint32_t{ITEM_STATIC | ITEM_MENUBREAK});
    EXPECT_EQ(title.text1, "Title");
    EXPECT_EQ(title.text2, "");
    EXPECT_EQ(title.parameters, "/1/255/0/0");
    EXPECT_EQ(title.iconPath, "t.ico");
    EXPECT_EQ(title.iconNumber, 2);
    EXPECT_EQ(read.item(1).flags, uint32_t{ITEM_SEPARATOR});
    EXPECT_EQ(read.item(1).text1, "");
    EXPECT_EQ(read.item(2).flags, uint32_t{ITEM_SEPARATOR | ITEM_MENUBREAK});
    EXPECT_EQ(read.item(3).text1, "named");
    EXPECT_EQ(read.item(3).parameters, "");
    EXPECT_EQ(read.item(3).iconPath, "");
    EXPECT_EQ(read.item(3).iconNumber, 0);
    const MenuEntry& popup = read.item(4);
    EXPECT_EQ(popup.flags, uint32_t{ITEM_POPUP});
    EXPECT_EQ(popup.text1, "sub");
    EXPECT_EQ(popup.iconPath, "s.ico");
    EXPECT_EQ(popup.iconNumber, 4);
    ASSERT_EQ(popup.submenu->entries.size(), 1u);
    EXPECT_EQ(popup.submenu->entries[0].text1, "inner");
    EXPECT_EQ(read.item(5).text1, "no begin");
    ASSERT_EQ(read.item(5).submenu->entries.size(), 1u);
    EXPECT_EQ(read.file.current(), nullptr);
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

TEST(Reader, ForbiddenFieldsAreError160WithTheKeywordAsWritten)
{
    ExpectError(Menu("MENUITEM a,b,c,d,0,XYZ\r\n"), ERR_BAD_OPERAND, {std::string("MENUITEM"), 3});
    ExpectError(Menu("static a,b,c,d,0,SHOWFOLDER\r\n"), ERR_BAD_OPERAND, {std::string("static"), 3});
    ExpectError(Menu("Separator a,b,c,d,0,SHOWFOLDER\r\n"), ERR_BAD_OPERAND, {std::string("Separator"), 3});
    ExpectError(Menu("POPUP a,b,1,MENUBREAK\r\nEND\r\n"), ERR_BAD_OPERAND, {std::string("POPUP"), 3});
    Read emptyTail(Menu("POPUP a,b,1,,\r\nEND\r\n"));
    EXPECT_TRUE(emptyTail.ok);
}

TEST(Reader, MissingOperandsAndMissingMenusAreReported)
{
    ExpectError(Menu("STATIC\r\n"), ERR_MISSING_OPERAND, {std::string("STATIC"), 3});
    ExpectError(Menu("menuitem\r\n"), ERR_MISSING_OPERAND, {std::string("menuitem"), 3});
    ExpectError(Menu("Popup\r\nEND\r\n"), ERR_MISSING_OPERAND, {std::string("Popup"), 3});
    ExpectError("BEGIN\r\n", ERR_NO_POPUP, {1});
    ExpectError("; c\r\nMENUITEM a\r\n", ERR_NO_POPUP, {2});
    ExpectError("SEPARATOR\r\n", ERR_NO_POPUP, {1});
    ExpectError("STATIC x\r\n", ERR_NO_POPUP, {1});
    ExpectError(Menu("") + "END\r\n", ERR_TOO_MANY, {std::string("END"), 4});
    ExpectError(Menu("") + "end\r\n", ERR_TOO_MANY, {std::string("end"), 4});
    ExpectError("END\r\n", ERR_TOO_MANY, {std::string("END"), 1});
    // After the outermost END no menu can take a popup.
    ExpectError(Menu("") + "POPUP late\r\n", ERR_TOO_MANY, {std::string("POPUP"), 4});
    ExpectError(Menu("") + "MENUITEM late\r\n", ERR_NO_POPUP, {4});
}

TEST(Reader, UnknownStatementsAreError162WithLineThenKeyword)
{
    ExpectError(Menu("MENU ITEM x\r\n"), ERR_BAD_STATEMENT, {3, std::string("MENU")});
    ExpectError("\x95\x5c\x8e\xa6\r\n", ERR_BAD_STATEMENT, {1, std::string("\x95\x5c\x8e\xa6")});
    // The resident does not trim tabs: this keyword is "\tEND".
    ExpectError(Menu("") + "\tEND\r\n", ERR_BAD_STATEMENT, {4, std::string("\tEND")});
}

TEST(Reader, TheFirstPopupIgnoresItsFields)
{
    Read read("POPUP a,b,c,d,e,f,MENUBREAK,XYZ\r\nEND\r\n");
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.root().entries.empty());
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

TEST(Reader, LineEndsOfEveryKind)
{
    // LF alone, CR LF, and a lone CR inside a line.
    Read read("POPUP m\nMENUITEM a\r\nMENUITEM b\rc\nMENUITEM d\r\r\nEND");
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.root().entries.size(), 3u);
    EXPECT_EQ(read.item(1).text1, "b\rc");
    EXPECT_EQ(read.item(2).text1, "d");
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
    Read read("POPUP m\r\n" + split + "\r\nEND\r\n");
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.root().entries.size(), 2u);
    EXPECT_EQ(read.item(0).text1, std::string(502, 'p'));
    EXPECT_EQ(read.item(1).text1, "q");

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
    Read editor(body, LineRules::Editor);
    ASSERT_TRUE(editor.ok);
    ASSERT_EQ(editor.root().entries.size(), 3u);
    EXPECT_EQ(editor.item(0).text2, "b");
    EXPECT_TRUE(editor.item(1).IsSeparator());
    EXPECT_EQ(editor.item(2).text1, std::string(2000, 'p'));
    ExpectError(body, ERR_BAD_STATEMENT, {3, std::string("\t")});
}

TEST(Reader, EndOfFileChecksEmptyThePath)
{
    RecordingMenuFile empty;
    empty.set_path("menu.txt");
    EXPECT_FALSE(empty.LoadBytes(""));
    ASSERT_EQ(empty.reports.size(), 1u);
    EXPECT_EQ(empty.reports[0].id, ERR_NO_STATEMENT);
    EXPECT_TRUE(empty.reports[0].args.empty());
    EXPECT_EQ(empty.path(), "");

    RecordingMenuFile open;
    open.set_path("menu.txt");
    EXPECT_FALSE(open.LoadBytes("POPUP x\r\nMENUITEM a\r\n; last\r\n\r\n"));
    ASSERT_EQ(open.reports.size(), 1u);
    EXPECT_EQ(open.reports[0].id, ERR_MISSING_STATEMENT);
    EXPECT_EQ(open.reports[0].args, (ReportArgs{std::string("END"), 4}));
    EXPECT_EQ(open.path(), "");
    // What was read stays, with the menu still open.
    ASSERT_NE(open.root(), nullptr);
    EXPECT_EQ(open.root()->entries.size(), 1u);
    EXPECT_EQ(open.current(), open.root());

    RecordingMenuFile statement;
    statement.set_path("menu.txt");
    EXPECT_FALSE(statement.LoadBytes("POPUP x\r\nMENUITEM a\r\nPOPUP s\r\nBOGUS\r\n"));
    EXPECT_EQ(statement.path(), "menu.txt");
    EXPECT_EQ(statement.root()->entries.size(), 2u);
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
    EXPECT_EQ(missing.fileFailures[0].first, FileFailure::Open);
    EXPECT_EQ(missing.fileFailures[0].second, ENOENT);
    EXPECT_TRUE(missing.reports.empty());
    EXPECT_EQ(missing.path(), path);

    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fclose(file);
    RecordingMenuFile zero(LineRules::Resident, path);
    EXPECT_FALSE(zero.Load());
    ASSERT_EQ(zero.reports.size(), 1u);
    EXPECT_EQ(zero.reports[0].id, ERR_NO_STATEMENT);
    EXPECT_EQ(zero.path(), "");

    // Larger than the reader's buffer, so that a CR LF pair falls across a refill.
    std::string body = "POPUP m\r\n";
    for (int i = 0; i < 20000; ++i)
        body += "MENUITEM item" + std::to_string(i) + "\r\n";
    body += "END\r\n";
    file = fopen(path.c_str(), "wb");
    fwrite(body.data(), 1, body.size(), file);
    fclose(file);
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

TEST(Reader, NulBytesEndTheirLine)
{
    Read read(Menu(std::string("MENUITEM a\0,b,c\r\n", 17)));
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.root().entries.size(), 1u);
    EXPECT_EQ(read.item(0).text1, "a");
    EXPECT_EQ(read.item(0).text2, "");
    ExpectError(Menu(std::string("MENUITEM\0 a\r\n", 13)), ERR_MISSING_OPERAND, {std::string("MENUITEM"), 3});
}

TEST(Reader, HostileBytesGiveAModelOrAnError)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string body = round % 2 ? "POPUP m\r\n" : "";
        size_t size = random() % 3000;
        for (size_t i = 0; i < size; ++i) {
            // Mostly the bytes that matter to the reader.
            static const char kBytes[] = "\"\", \r\n\t;\x81\x83\x5c\0aPOPUPENDMENUITEMSEPARATOR";
            body.push_back(random() % 4 ? kBytes[random() % (sizeof kBytes - 1)] : static_cast<char>(random()));
        }
        for (LineRules rules : {LineRules::Resident, LineRules::Editor}) {
            Read read(body, rules);
            EXPECT_EQ(read.file.reports.size(), read.ok ? 0u : 1u);
        }
    }
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
