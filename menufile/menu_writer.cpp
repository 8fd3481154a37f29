#include "menufile/menu_writer.h"

#include <algorithm>
#include <utility>
#include <vector>
#include "shiftjis/shift_jis.h"

namespace menufile {

namespace {

// "; メニュー用定義ファイル" in Shift-JIS, whatever the compiler's character set.
const char kTitleLine[] = "; \x83\x81\x83\x6a\x83\x85\x81\x5b\x97\x70\x92\xe8\x8b\x60\x83\x74\x83\x40\x83\x43\x83\x8b";
const char kVersionText[] = "Version 1.10";
// Readers ignore indentation; stopping it here keeps a deeply nested tree
// from making the file grow with the square of its depth.
constexpr size_t kMaxIndentLevel = 32;

bool NeedsQuotes(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c == ',' || c == '"' || c == ' ' || (c >= '\t' && c <= '\r'); });
}

std::string Number(int value) { return std::to_string(value); }

}  // namespace

class MenuWriter::LineSink {
public:
    explicit LineSink(const MenuWriter::Sink& sink) : sink_(sink) {}
    bool Raw(const std::string& text) { return ok_ = ok_ && sink_(text.data(), text.size()); }
    bool Line(size_t level, const std::string& text)
    {
        line_.assign(std::min(level, kMaxIndentLevel) * 4, ' ');
        line_ += text;
        line_ += "\r\n";
        return Raw(line_);
    }
    bool ok() const { return ok_; }

private:
    const MenuWriter::Sink& sink_;
    std::string line_;
    bool ok_ = true;
};

MenuWriter::MenuWriter(WriterInfo info) : info_(std::move(info)) {}

MenuWriter::~MenuWriter() = default;

std::string MenuWriter::DisplayName(const MenuEntry&) const { return {}; }

std::string MenuWriter::Quote(const std::string& text)
{
    // Texts are C strings in the programs; a line break would end the line,
    // so it is written as a space.
    std::string plain = text.substr(0, text.find('\0'));
    std::replace(plain.begin(), plain.end(), '\n', ' ');
    if (!NeedsQuotes(plain))
        return plain;
    std::string quoted = "\"";
    for (char c : plain) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    quoted.push_back('"');
    return quoted;
}

std::string MenuWriter::CommandLine(const MenuEntry& entry) const
{
    std::string display = entry.text2;
    if (display.empty())
        display = DisplayName(entry);
    if (display.empty())
        display = info_.fallbackDisplayText;
    std::string line = "MENUITEM " + Quote(entry.text1) + ", " + Quote(display) + ", " + Quote(entry.parameters) +
                       ", " + Quote(entry.iconPath) + ", " + Number(entry.iconNumber);
    if (entry.flags & ITEM_MENUBREAK)
        line += ", MENUBREAK";
    if (entry.flags & ITEM_SHOWFOLDER) {
        line += ", SHOWFOLDER";
        if (entry.FolderOption() != 0)
            line += ", " + Number(entry.FolderOption());
    }
    return line;
}

std::string MenuWriter::ItemLine(const MenuEntry& entry) const
{
    if (entry.IsSeparator()) {
        std::string line = "SEPARATOR " + Quote(entry.text1);
        if (entry.flags & ITEM_MENUBREAK)
            line += ",,,,, MENUBREAK";
        return line;
    }
    if (entry.IsTitle()) {
        // The reader ignores the second field; the description stands there too.
        std::string line = "STATIC " + Quote(entry.text1) + ", " + Quote(entry.text1) + ", " +
                           Quote(entry.parameters) + ", " + Quote(entry.iconPath) + ", " + Number(entry.iconNumber);
        if (entry.flags & ITEM_MENUBREAK)
            line += ", MENUBREAK";
        return line;
    }
    return CommandLine(entry);
}

bool MenuWriter::Write(const MenuList& root, const Sink& sink) const
{
    LineSink out(sink);
    out.Line(0, kTitleLine);
    out.Line(0, std::string(";") + kVersionText + " " + info_.buildDateTime);
    out.Raw(info_.headerBlock);
    out.Line(0, "; modified -- " + info_.modifiedTime);
    out.Line(0, "POPUP " + info_.fileName);
    out.Line(0, "BEGIN");
    for (const MenuEntry& entry : root.entries) {
        if (!WriteEntry(out, entry, 1))
            return false;
    }
    return out.Line(0, "END");
}

bool MenuWriter::WriteEntry(LineSink& out, const MenuEntry& entry, size_t level) const
{
    if (!entry.IsPopup())
        return out.Line(level, ItemLine(entry));
    // The lists being written, innermost last, each with its next entry.
    static const MenuList kEmpty;
    std::vector<std::pair<const MenuList*, size_t>> open;
    const MenuEntry* popup = &entry;
    while (out.ok()) {
        if (popup) {
            size_t depth = level + open.size();
            out.Line(depth, "POPUP " + Quote(popup->text1) + ", " + Quote(popup->iconPath) + ", " +
                                Number(popup->iconNumber));
            out.Line(depth, "BEGIN");
            open.emplace_back(popup->submenu ? popup->submenu.get() : &kEmpty, 0);
            popup = nullptr;
        }
        auto& [list, next] = open.back();
        size_t depth = level + open.size();
        if (next == list->entries.size()) {
            open.pop_back();
            out.Line(depth - 1, "END");
            if (open.empty())
                break;
            continue;
        }
        const MenuEntry& inner = list->entries[next++];
        if (inner.IsPopup())
            popup = &inner;
        else
            out.Line(depth, ItemLine(inner));
    }
    return out.ok();
}

std::string MenuWriter::Text(const MenuList& root) const
{
    std::string text;
    Write(root, [&text](const char* data, size_t size) {
        text.append(data, size);
        return true;
    });
    return text;
}

std::string MenuWriter::EntryText(const MenuEntry& entry) const
{
    std::string text;
    const Sink sink = [&text](const char* data, size_t size) {
        text.append(data, size);
        return true;
    };
    LineSink out(sink);
    WriteEntry(out, entry, 0);
    return text;
}

std::string FileNameOf(const std::string& path)
{
    size_t last = shiftjis::FindLastOf(path, "\\/:");
    return last == std::string::npos ? path : path.substr(last + 1);
}

}  // namespace menufile
