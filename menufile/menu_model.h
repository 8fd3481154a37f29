#pragma once
// The menu model of a menu file, the same in all three programs: a MenuList
// is an ordered list of entries, a popup entry owns its submenu.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace menufile {

// Flag bits of a MenuEntry; they equal the platform's menu flags.
enum : uint32_t {
    ITEM_STATIC = 0x2,         // a title line (STATIC)
    ITEM_POPUP = 0x10,         // a submenu (POPUP)
    ITEM_MENUBREAK = 0x20,     // starts a new column (MENUBREAK)
    ITEM_SEPARATOR = 0x800,    // a separator (SEPARATOR)
    ITEM_SHOWFOLDER = 0x8000,  // the path is a folder shown as a submenu
    ITEM_FOLDER_OPTION_MASK = 0xFF0000,  // the number after SHOWFOLDER
};
constexpr int kFolderOptionShift = 16;

struct MenuList;

struct MenuEntry {
    std::unique_ptr<MenuList> submenu;  // popups only
    std::string text1;       // command item: path; others: description
    std::string text2;       // command item: description; others: empty
    std::string parameters;  // command item and title
    std::string iconPath;    // all but separators
    int iconNumber = 0;
    uint32_t flags = 0;
    std::string scratch;     // work area of the display-text routine; not part of the file

    bool IsPopup() const { return (flags & ITEM_POPUP) != 0; }
    bool IsTitle() const { return (flags & ITEM_STATIC) != 0; }
    bool IsSeparator() const { return (flags & ITEM_SEPARATOR) != 0; }
    bool IsCommand() const { return (flags & (ITEM_STATIC | ITEM_POPUP | ITEM_SEPARATOR)) == 0; }
    bool ShowsFolder() const { return IsCommand() && (flags & ITEM_SHOWFOLDER) != 0; }
    int FolderOption() const { return static_cast<int>((flags & ITEM_FOLDER_OPTION_MASK) >> kFolderOptionShift); }
};

struct MenuList {
    MenuList() = default;
    // Destroys nested submenus without recursion: a file may nest popups
    // a hundred thousand deep.
    ~MenuList();
    MenuList(const MenuList&) = delete;
    MenuList& operator=(const MenuList&) = delete;

    std::vector<MenuEntry> entries;  // in file order
    MenuList* parent = nullptr;      // only while the file is read
};

// A deep copy of an entry: a popup gets a new submenu holding copies of all
// the entries below it. The scratch text is not copied. No recursion.
MenuEntry CopyEntry(const MenuEntry& source);
std::unique_ptr<MenuList> CopyTree(const MenuList& source);

// Whether two trees hold the same entries in the same order: texts, icon
// numbers, flags and submenus (scratch texts and parent links are not
// compared). No recursion.
bool SameTree(const MenuList& a, const MenuList& b);

}  // namespace menufile
