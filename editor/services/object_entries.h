#pragma once
// The menu entries that objects of the services browser become when they
// are dropped on a menu tree: a file by its path, a special folder as
// "&#N", any other linkable object by a shortcut in the pool folder.
#include <windows.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "editor/services/service_objects.h"
#include "menufile/menu_model.h"
#include "menufile/special_folder_shell.h"
#include "win32/com_ptr.h"

namespace editor {

// A shortcut that could not be written.
struct ShortcutFailure {
    std::string path;
    HRESULT result = S_OK;
};

class ObjectEntries {
public:
    // COM must be initialised.
    explicit ObjectEntries(std::string poolPath);

    // The object's entry text, "&#N|1" for a special folder ("&#1" for the
    // Internet); empty when the object gives no entry.
    std::string TextOf(const ServiceObject& object);
    // One command item per object that gives an entry, in their order.
    std::vector<menufile::MenuEntry> EntriesOf(const std::vector<const ServiceObject*>& objects);
    // The shortcuts that could not be written so far, in order.
    const std::vector<ShortcutFailure>& failures() const noexcept { return failures_; }

private:
    // A shortcut for the object in the pool folder: one of that name that
    // already points at it, else a new one under a name not yet taken.
    std::string ShortcutFor(const shellfiles::ShellFolderItem& item);
    bool PointsAt(const std::string& shortcut, LPCITEMIDLIST target) const;

    std::string poolPath_;
    win32::ComPtr<IShellFolder> desktop_;
    menufile::SpecialFolderMatcher special_;
    std::vector<ShortcutFailure> failures_;
};

}  // namespace editor
