#pragma once
// The text of a menu file as the editor and the setup assistant write it.
#include <cstddef>
#include <functional>
#include <string>
#include "menufile/menu_model.h"

namespace menufile {

// What the writing program gives the writer.
struct WriterInfo {
    std::string buildDateTime;        // "Oct 20 2001 16:38:03": __DATE__ " " __TIME__ of the program
    std::string headerBlock;          // the program's header block resource, CP932 with CR LF
    std::string modifiedTime;         // the long local date and time, see LongLocalDateTime()
    std::string fileName;             // the file's own name, for the outermost POPUP line
    std::string fallbackDisplayText;  // a command item's display text when nothing else names it
};

class MenuWriter {
public:
    // Receives the text piece by piece; false stops the writing.
    using Sink = std::function<bool(const char* data, size_t size)>;

    explicit MenuWriter(WriterInfo info);
    virtual ~MenuWriter();

    // False when the sink refused a piece. A line is as long as its texts
    // make it; the resident reads one of more than 511 bytes in pieces.
    bool Write(const MenuList& root, const Sink& sink) const;
    std::string Text(const MenuList& root) const;
    // The lines of one entry, unindented; a popup with everything under it.
    std::string EntryText(const MenuEntry& entry) const;

    // A field as the readers read it back: quoted, with its double quotes
    // doubled, when it holds a comma, a double quote or any white space.
    static std::string Quote(const std::string& text);

protected:
    // The name of a command item that has no description (the editor asks
    // the shell for its path's display name); empty when there is none.
    virtual std::string DisplayName(const MenuEntry& entry) const;

private:
    class LineSink;
    bool WriteEntry(LineSink& out, const MenuEntry& entry, size_t level) const;
    std::string ItemLine(const MenuEntry& entry) const;
    std::string CommandLine(const MenuEntry& entry) const;

    WriterInfo info_;
};

// The name and extension of a path (after its last backslash, slash or
// colon that is not the trail byte of a double-byte character).
std::string FileNameOf(const std::string& path);

}  // namespace menufile
