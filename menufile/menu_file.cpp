#include "menufile/menu_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include "menufile/line_splitter.h"

namespace menufile {

namespace {

constexpr uint32_t kCommandKind = 0;

// As _stricmp in the C locale: only ASCII letters fold.
bool SameKeyword(const std::string& text, const char* keyword)
{
    size_t i = 0;
    for (; i < text.size() && keyword[i]; ++i) {
        char a = text[i], b = keyword[i];
        if (a >= 'a' && a <= 'z')
            a = static_cast<char>(a - 'a' + 'A');
        if (a != b)
            return false;
    }
    return i == text.size() && !keyword[i];
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

const std::string& Field(const std::vector<std::string>& fields, size_t number)
{
    static const std::string empty;
    return number <= fields.size() ? fields[number - 1] : empty;
}

void AppendArg(std::string& out, const ReportArg& arg)
{
    if (const std::string* text = std::get_if<std::string>(&arg))
        out += *text;
    else
        out += std::to_string(std::get<int>(arg));
}

}  // namespace

std::string FormatReport(const char* format, const ReportArgs& args)
{
    std::string out;
    size_t next = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || (p[1] != 's' && p[1] != 'd' && p[1] != '%')) {
            out.push_back(*p);
            continue;
        }
        ++p;
        if (*p == '%')
            out.push_back('%');
        else if (next < args.size())
            AppendArg(out, args[next++]);
    }
    return out;
}

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
    set_root(nullptr);
    LineReader reader(bytes.data(), bytes.size(), rules_);
    return Read(reader) && !reader.failed();
}

// Reports the end-of-file errors itself; a statement error has been
// reported by its handler.
bool MenuFile::Read(LineReader& reader)
{
    std::string line, keyword;
    std::vector<std::string> fields;
    int lineCount = 0;
    while (reader.Next(line)) {
        if (lineCount < INT_MAX)
            ++lineCount;
        if (line.empty() || line[0] == ';')
            continue;
        SplitLine(line, rules_, keyword, fields);
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

bool MenuFile::Apply(int line, const std::string& keyword, const std::vector<std::string>& fields)
{
    if (SameKeyword(keyword, "POPUP"))
        return ApplyPopup(line, keyword, fields);
    if (SameKeyword(keyword, "END")) {
        if (!current_)
            return Fail(ERR_TOO_MANY, {keyword, line});
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
        return Fail(ERR_BAD_STATEMENT, {line, keyword});
    if (!current_)
        return Fail(ERR_NO_POPUP, {line});
    return begin || ApplyItem(line, keyword, fields, kind);
}

bool MenuFile::ApplyPopup(int line, const std::string& keyword, const std::vector<std::string>& fields)
{
    if (!root_) {
        // The outermost POPUP names the file; its fields are not read.
        root_ = std::make_unique<MenuList>();
        current_ = root_.get();
        return true;
    }
    // After the outermost END no menu is open to receive the popup.
    if (!current_)
        return Fail(ERR_TOO_MANY, {keyword, line});
    if (fields.empty())
        return Fail(ERR_MISSING_OPERAND, {keyword, line});
    for (size_t i = 3; i < fields.size(); ++i) {
        if (!fields[i].empty())
            return Fail(ERR_BAD_OPERAND, {keyword, line});
    }
    MenuEntry entry;
    entry.text1 = fields[0];
    entry.iconPath = Field(fields, 2);
    entry.iconNumber = ParseNumber(Field(fields, 3));
    entry.flags = ITEM_POPUP;
    entry.submenu = std::make_unique<MenuList>();
    entry.submenu->parent = current_;
    MenuList* opened = entry.submenu.get();
    current_->entries.push_back(std::move(entry));
    current_ = opened;
    return true;
}

bool MenuFile::ApplyItem(int line, const std::string& keyword, const std::vector<std::string>& fields,
                         uint32_t kind)
{
    if (kind != ITEM_SEPARATOR && fields.empty())
        return Fail(ERR_MISSING_OPERAND, {keyword, line});
    uint32_t flags = 0;
    if (!ApplyOptions(line, keyword, fields, kind, flags))
        return false;
    MenuEntry entry;
    entry.text1 = Field(fields, 1);
    if (kind == kCommandKind)
        entry.text2 = Field(fields, 2);
    if (kind != ITEM_SEPARATOR) {
        entry.parameters = Field(fields, 3);
        entry.iconPath = Field(fields, 4);
        entry.iconNumber = ParseNumber(Field(fields, 5));
    }
    entry.flags = (flags & ~uint32_t{ITEM_STATIC | ITEM_POPUP | ITEM_SEPARATOR}) | kind;
    current_->entries.push_back(std::move(entry));
    return true;
}

// Fields 6 and later: MENUBREAK; for a command item SHOWFOLDER and, after
// it, the folder option number; empty fields are ignored.
bool MenuFile::ApplyOptions(int line, const std::string& keyword, const std::vector<std::string>& fields,
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
            return Fail(ERR_BAD_OPERAND, {keyword, line});
        }
    }
    return true;
}

}  // namespace menufile
