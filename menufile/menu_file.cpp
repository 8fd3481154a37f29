#include "menufile/menu_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include "menufile/line_splitter.h"

namespace menufile {

namespace {

constexpr uint32_t kCommandKind = 0;

// As _stricmp in the C locale: only ASCII letters fold.
template <size_t N>
bool SameKeyword(std::string_view text, const char (&keyword)[N])
{
    if (text.size() != N - 1)
        return false;
    for (size_t i = 0; i < N - 1; ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != keyword[i])
            return false;
    }
    return true;
}

// As atoi: white space, a sign, digits up to the first other byte; no
// digits give 0. Too many digits wrap around instead of overflowing.
int ParseNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<int>(value);
}

// Field number (from 1), moved out: the fields are not used after their
// statement has been applied.
std::string TakeField(std::vector<std::string>& fields, size_t number)
{
    return number <= fields.size() ? std::move(fields[number - 1]) : std::string();
}

std::unique_ptr<MenuList> NewList(MenuList* parent)
{
    auto list = std::make_unique<MenuList>();
    list->parent = parent;
    return list;
}

// A new entry at the end of list. The second entry makes room for eight,
// which spares the first reallocations of a menu, while a one-entry menu
// (a hostile file may nest them very deep) stays small.
MenuEntry& AppendEntry(MenuList& list)
{
    if (list.entries.size() == 1 && list.entries.capacity() < 8)
        list.entries.reserve(8);
    return list.entries.emplace_back();
}

}  // namespace

MenuFile::MenuFile(std::string path, int width, int options, LineRules rules)
    : path_(std::move(path)), width_(width), options_(options), rules_(rules)
{
}

MenuFile::~MenuFile() = default;

void MenuFile::set_root(std::unique_ptr<MenuList> root)
{
    root_ = std::move(root);
    current_ = nullptr;
}

bool MenuFile::Load()
{
    loaded_ = true;
    readWhole_ = false;
    readWhole_ = ReadFile();
    return readWhole_;
}

bool MenuFile::ReadFile()
{
    set_root(nullptr);
    if (path_.empty())
        return true;
    FILE* file = fopen(path_.c_str(), "rb");
    if (!file) {
        ReportFileError(FileFailure::Open, errno);
        return false;
    }
    // The reader keeps its own buffer.
    setvbuf(file, nullptr, _IONBF, 0);
    LineReader reader(file, rules_);
    bool ok = Read(reader);
    int readError = errno;
    fclose(file);
    if (reader.failed()) {
        ReportFileError(FileFailure::Read, readError);
        return false;
    }
    return ok;
}

bool MenuFile::LoadBytes(const std::string& bytes)
{
    loaded_ = true;
    readWhole_ = false;
    set_root(nullptr);
    LineReader reader(bytes.data(), bytes.size(), rules_);
    readWhole_ = Read(reader) && !reader.failed();
    return readWhole_;
}

// Reports the end-of-file errors itself; a statement error has been
// reported by its handler.
bool MenuFile::Read(LineReader& reader)
{
    std::string_view line, keyword;
    std::vector<std::string> fields;
    LineSplitter splitter(rules_);
    int lineCount = 0;
    while (reader.Next(line)) {
        if (lineCount < INT_MAX)
            ++lineCount;
        if (line.empty() || line[0] == ';')
            continue;
        splitter.Split(line, keyword, fields);
        if (!Apply(lineCount, keyword, fields))
            return false;
    }
    if (reader.failed())
        return false;
    return Finish(lineCount);
}

bool MenuFile::Finish(int lineCount)
{
    if (lineCount == 0) {
        Fail(ERR_NO_STATEMENT, {});
        path_.clear();
        return false;
    }
    if (current_) {
        Fail(ERR_MISSING_STATEMENT, {std::string("END"), lineCount});
        path_.clear();
        return false;
    }
    return true;
}

bool MenuFile::Fail(int id, ReportArgs args)
{
    ReportError(id, args);
    return false;
}

bool MenuFile::Apply(int line, std::string_view keyword, std::vector<std::string>& fields)
{
    if (SameKeyword(keyword, "POPUP"))
        return ApplyPopup(line, keyword, fields);
    if (SameKeyword(keyword, "END")) {
        if (!current_)
            return Fail(ERR_TOO_MANY, {std::string(keyword), line});
        current_ = current_->parent;
        return true;
    }
    bool begin = SameKeyword(keyword, "BEGIN");
    uint32_t kind;
    if (SameKeyword(keyword, "MENUITEM"))
        kind = kCommandKind;
    else if (SameKeyword(keyword, "STATIC"))
        kind = ITEM_STATIC;
    else if (SameKeyword(keyword, "SEPARATOR"))
        kind = ITEM_SEPARATOR;
    else if (!begin)
        return Fail(ERR_BAD_STATEMENT, {line, std::string(keyword)});
    if (!current_)
        return Fail(ERR_NO_POPUP, {line});
    return begin || ApplyItem(line, keyword, fields, kind);
}

bool MenuFile::ApplyPopup(int line, std::string_view keyword, std::vector<std::string>& fields)
{
    if (!root_) {
        // The outermost POPUP names the file; its fields are not read.
        root_ = NewList(nullptr);
        current_ = root_.get();
        return true;
    }
    // After the outermost END no menu is open to receive the popup.
    if (!current_)
        return Fail(ERR_TOO_MANY, {std::string(keyword), line});
    if (fields.empty())
        return Fail(ERR_MISSING_OPERAND, {std::string(keyword), line});
    for (size_t i = 3; i < fields.size(); ++i) {
        if (!fields[i].empty())
            return Fail(ERR_BAD_OPERAND, {std::string(keyword), line});
    }
    MenuEntry& entry = AppendEntry(*current_);
    entry.text1 = TakeField(fields, 1);
    entry.iconPath = TakeField(fields, 2);
    entry.iconNumber = ParseNumber(TakeField(fields, 3));
    entry.flags = ITEM_POPUP;
    entry.submenu = NewList(current_);
    current_ = entry.submenu.get();
    return true;
}

bool MenuFile::ApplyItem(int line, std::string_view keyword, std::vector<std::string>& fields,
                         uint32_t kind)
{
    if (kind != ITEM_SEPARATOR && fields.empty())
        return Fail(ERR_MISSING_OPERAND, {std::string(keyword), line});
    uint32_t flags = 0;
    if (!ApplyOptions(line, keyword, fields, kind, flags))
        return false;
    MenuEntry& entry = AppendEntry(*current_);
    entry.text1 = TakeField(fields, 1);
    if (kind == kCommandKind)
        entry.text2 = TakeField(fields, 2);
    if (kind != ITEM_SEPARATOR) {
        entry.parameters = TakeField(fields, 3);
        entry.iconPath = TakeField(fields, 4);
        entry.iconNumber = ParseNumber(TakeField(fields, 5));
    }
    entry.flags = (flags & ~uint32_t{ITEM_STATIC | ITEM_POPUP | ITEM_SEPARATOR}) | kind;
    return true;
}

// Fields 6 and later: MENUBREAK; for a command item SHOWFOLDER and, after
// it, the folder option number; empty fields are ignored.
bool MenuFile::ApplyOptions(int line, std::string_view keyword, std::vector<std::string>& fields,
                            uint32_t kind, uint32_t& flags)
{
    bool showFolderSeen = false;
    for (size_t i = 5; i < fields.size(); ++i) {
        const std::string& option = fields[i];
        if (option.empty())
            continue;
        if (SameKeyword(option, "MENUBREAK")) {
            flags |= ITEM_MENUBREAK;
        } else if (kind == kCommandKind && SameKeyword(option, "SHOWFOLDER")) {
            flags |= ITEM_SHOWFOLDER;
            showFolderSeen = true;
        } else if (kind == kCommandKind && showFolderSeen && option[0] >= '0' && option[0] <= '9') {
            uint32_t number = static_cast<uint32_t>(ParseNumber(option)) & 0xFFu;
            flags = (flags & ~uint32_t{ITEM_FOLDER_OPTION_MASK}) | (number << kFolderOptionShift);
        } else {
            return Fail(ERR_BAD_OPERAND, {std::string(keyword), line});
        }
    }
    return true;
}

}  // namespace menufile
