#include "editor/section/clipboard_entry.h"

#include <cstring>
#include <string_view>
#include "menufile/menu_file.h"
#include "menufile/menu_writer.h"
#include "shiftjis/shift_jis.h"

namespace editor {

namespace {

constexpr size_t kPrefixSize = sizeof kClipboardPrefix - 1;

class SilentMenuFile : public menufile::MenuFile {
public:
    SilentMenuFile() : MenuFile({}, 0, 0, menufile::LineRules::Editor) {}

protected:
    void ReportError(int, const menufile::ReportArgs&) override {}
    void ReportFileError(menufile::FileFailure, int) override {}
};

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text after the prefix, up to a NUL within size, trimmed.
std::string_view Body(const char* data, size_t size)
{
    std::string_view body(data + kPrefixSize, strnlen(data + kPrefixSize, size - kPrefixSize));
    while (!body.empty() && IsSpace(body.front()))
        body.remove_prefix(1);
    while (!body.empty() && IsSpace(body.back()))
        body.remove_suffix(1);
    return body;
}

// A lone POPUP line, as older copies of a group were, is an empty group.
bool IsLonePopupLine(std::string_view body)
{
    return body.find_first_of("\r\n") == std::string_view::npos &&
           shiftjis::StartsWithIgnoringCase(std::string(body.substr(0, 6)), "POPUP ");
}

}  // namespace

std::string ClipboardText(const menufile::MenuEntry& entry)
{
    // No display name stands in for an empty description: every field is
    // carried as the entry has it.
    std::string lines = menufile::MenuWriter({}).EntryText(entry);
    while (!lines.empty() && IsSpace(lines.back()))
        lines.pop_back();
    return kClipboardPrefix + lines;
}

bool HoldsClipboardEntry(const char* data, size_t size)
{
    return data && size > kPrefixSize && strnlen(data, size) > kPrefixSize &&
           shiftjis::StartsWithIgnoringCase(std::string(data, kPrefixSize), kClipboardPrefix);
}

std::optional<menufile::MenuEntry> ParseClipboardEntry(const char* data, size_t size)
{
    if (!HoldsClipboardEntry(data, size))
        return std::nullopt;
    std::string_view body = Body(data, size);
    if (body.empty() || body.front() == ';')
        return std::nullopt;
    std::string bytes = "POPUP clipboard\r\nBEGIN\r\n";
    bytes.append(body.data(), body.size());
    bytes += IsLonePopupLine(body) ? "\r\nBEGIN\r\nEND\r\nEND\r\n" : "\r\nEND\r\n";
    SilentMenuFile menu;
    if (!menu.LoadBytes(bytes) || !menu.root() || menu.root()->entries.size() != 1)
        return std::nullopt;
    return std::move(menu.root()->entries.front());
}

}  // namespace editor
