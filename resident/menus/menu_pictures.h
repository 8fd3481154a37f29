#pragma once
// The text and picture of a menu entry, shared by the popup builder and the
// folder menus.
#include <memory>
#include <string>
#include "menufile/menu_model.h"
#include "resident/menus/menu_context.h"
#include "resident/menus/menu_icon_store.h"
#include "resident/menus/shell_item.h"
#include "win32/unique_handle.h"

namespace resident {

// The icon of an icon file at the menu's size, extracted for the program's
// instance; none for an empty path or one that starts with "&".
win32::UniqueIcon ExtractMenuIcon(HINSTANCE instance, const std::string& iconPath, int number, bool large);
// The path of SHELL32.dll in the system folder.
std::string Shell32Path();

// One entry as the builder sees it: looks its path up in the shell at most
// once, for the text and the picture together.
class EntryLookup {
public:
    EntryLookup(const menufile::MenuEntry& entry, ShellItemLookup& shell, const MenuContext& context)
        : entry_(entry), shell_(shell), context_(context)
    {
    }
    // The description, the shell's name of the path, or the context's text
    // for a file that is not found.
    std::string DisplayText();
    // The path's index in the system image list, or -1.
    int ImageIndex();

private:
    const ShellItem* Item();

    const menufile::MenuEntry& entry_;
    ShellItemLookup& shell_;
    const MenuContext& context_;
    std::unique_ptr<ShellItem> item_;
    bool lookedUp_ = false;
};

// Puts the picture of an entry into a menu's icon store; each returns the
// store entry or -1.
class PictureMaker {
public:
    PictureMaker(MenuIconStore* store, bool large, HINSTANCE instance)
        : store_(store), large_(large), instance_(instance)
    {
    }
    bool wanted() const { return store_ != nullptr; }
    int ForTitle(const menufile::MenuEntry& entry);
    // deferred: the system image list index of a folder entry, asked for
    // when drawn; without a source the entry's own paths give the picture.
    int ForPopup(const menufile::MenuEntry& entry, ShellItemLookup& shell, const DeferredIndex& deferred = {});
    int ForCommand(const menufile::MenuEntry& entry, EntryLookup& lookup, const DeferredIndex& deferred = {});
    // Icon 0 of the running program's file.
    int ForProgram();

private:
    int Icon(win32::UniqueIcon icon);
    int Shell32Icon(int number);
    win32::UniqueIcon ApplicationIcon();

    MenuIconStore* store_;
    bool large_;
    HINSTANCE instance_;
};

}  // namespace resident
