#include "editor/services/object_entries.h"

#include "menufile/special_folder.h"
#include "shellfiles/file_name.h"
#include "shellfiles/icon_location.h"
#include "shellfiles/shortcut.h"
#include "shiftjis/shift_jis.h"
#include "win32/shortcut_reader.h"

namespace editor {

namespace {

// Far more names than a pool folder holds of one object.
constexpr int kMostShortcutNames = 1000;

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileSystemPath(LPCITEMIDLIST idList)
{
    char path[MAX_PATH] = "";
    return SHGetPathFromIDListA(idList, path) ? path : "";
}

}  // namespace

ObjectEntries::ObjectEntries(std::string poolPath) : poolPath_(std::move(poolPath))
{
    // The pool path may be kept without its last separator.
    if (!poolPath_.empty() && !shiftjis::EndsWith(poolPath_, '\\'))
        poolPath_ += '\\';
    SHGetDesktopFolder(desktop_.put());
}

std::string ObjectEntries::TextOf(const ServiceObject& object)
{
    const shellfiles::ShellFolderItem& item = object.item;
    if (object.csidl >= 0)
        return menufile::SpecialFolderEntryText(object.csidl);
    if (item.attributes & SFGAO_FILESYSTEM)
        return FileSystemPath(item.idList.get());
    int csidl = special_.Find(desktop_.get(), item.idList.get());
    if (csidl >= 0)
        return menufile::SpecialFolderEntryText(csidl);
    return item.attributes & SFGAO_CANLINK ? ShortcutFor(item) : "";
}

bool ObjectEntries::PointsAt(const std::string& shortcut, LPCITEMIDLIST target) const
{
    win32::ShortcutIdListResult read = win32::ReadShortcutIdList(nullptr, shortcut);
    return read.ok && desktop_ && HRESULT_CODE(desktop_->CompareIDs(0, read.idList.get(), target)) == 0;
}

// Another entry may use a shortcut of the same name: it is never pointed
// elsewhere.
std::string ObjectEntries::ShortcutFor(const shellfiles::ShellFolderItem& item)
{
    std::string path = poolPath_ + item.displayName + ".lnk";
    shellfiles::CleanFileName(path);
    const std::string stem = path.substr(0, path.size() - 4);
    for (int suffix = 2; Exists(path); ++suffix) {
        if (PointsAt(path, item.idList.get()))
            return path;
        if (suffix > kMostShortcutNames) {
            failures_.push_back({path, HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)});
            return "";
        }
        path = stem + "_" + std::to_string(suffix) + ".lnk";
    }
    shellfiles::ShortcutWrite written = shellfiles::WriteShortcut(path, item.idList.get());
    if (written)
        return path;
    failures_.push_back({path, written.result});
    return "";
}

std::vector<menufile::MenuEntry> ObjectEntries::EntriesOf(const std::vector<const ServiceObject*>& objects)
{
    std::vector<menufile::MenuEntry> entries;
    for (const ServiceObject* object : objects) {
        // The icon number of "&#N|1" is the shell's own choice: the entry
        // names the folder alone, as the resident starts it.
        std::string path = shellfiles::SplitIconLocation(TextOf(*object)).path;
        if (path.empty())
            continue;
        menufile::MenuEntry entry;
        entry.text1 = std::move(path);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace editor
