// Filling an entry form from the model and keeping its controls enabled
// as the entry allows.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include "editor/command_text.h"
#include "editor/forms/entry_form.h"
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"
#include "resources/editor/resource_ids.h"
#include "shellfiles/file_name.h"
#include "shellfiles/file_type.h"
#include "win32/file_icon.h"
#include "win32/shortcut_reader.h"

namespace editor {

namespace {

bool IsItemForm(FormKind kind)
{
    return kind == FormKind::ShortcutItem || kind == FormKind::FileItem;
}

bool PathExists(const std::string& path)
{
    int folder = menufile::SpecialFolderNumber(path);
    if (folder >= 0)
        return menufile::SpecialFolderExists(folder);
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// What the shell tells of a path or of the special folder "&#N" names.
SHFILEINFOA ShellInfo(const std::string& path, UINT what)
{
    SHFILEINFOA info = {};
    int folder = menufile::SpecialFolderNumber(path);
    if (folder < 0) {
        SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, what);
        return info;
    }
    win32::UniqueItemIdList list = menufile::SpecialFolderIdList(folder);
    if (list)
        SHGetFileInfoA(reinterpret_cast<const char*>(list.get()), 0, &info, sizeof info, SHGFI_PIDL | what);
    return info;
}

std::string Extension(const std::string& path)
{
    std::string extension = shellfiles::SplitPath(path).extension;
    return extension.empty() ? extension : extension.substr(1);
}

}  // namespace

void EntryForm::Fill()
{
    const menufile::MenuEntry* entry = Entry();
    if (!entry)
        return;
    loading_ = true;
    EntryFields fields = FieldsOf(*entry);
    writtenDescription_ = DescriptionOf(fields);
    SetText(DescriptionId(), writtenDescription_);
    if (HasParameters()) {
        writtenParameters_ = fields.parameters;
        SetText(IDC_PARAMETERS, writtenParameters_);
    }
    if (IsItemForm(kind_))
        FillPathFields(entry->text1);
    Check(IDC_MENU_BREAK, (fields.flags & menufile::ITEM_MENUBREAK) != 0);
    Check(IDC_SHOW_FOLDER, (fields.flags & menufile::ITEM_SHOWFOLDER) != 0);
    SetDlgItemInt(handle(), IDC_FOLDER_DEPTH, static_cast<UINT>(entry->FolderOption()), FALSE);
    FillIcon();
    UpdateEnabling();
    if (kind_ == FormKind::Title)
        InvalidateRect(Item(IDC_DESCRIPTION), nullptr, TRUE);
    loading_ = false;
}

void EntryForm::FillPathFields(const std::string& path)
{
    SetText(IDC_PATH, path);
    bool exists = PathExists(path);
    int note = kind_ == FormKind::ShortcutItem ? IDC_SHORTCUT_NOTE : IDC_FILE_NOTE;
    SetText(note, exists ? note_ : LoadText(instance(), IDS_NOT_FOUND_NOTE));
    if (kind_ == FormKind::ShortcutItem)
        FillShortcut(exists ? path : std::string());
    else
        FillFileType(exists ? path : std::string());
}

void EntryForm::FillShortcut(const std::string& path)
{
    win32::ShortcutReadResult link;
    if (!path.empty())
        link = win32::ReadShortcut(handle(), path);
    SetText(IDC_LINK_TARGET, link.ok ? link.data.targetPath : "");
    SetText(IDC_LINK_ARGUMENTS, link.ok ? link.data.arguments : "");
    SetText(IDC_LINK_FOLDER, link.ok ? link.data.workingDirectory : "");
}

void EntryForm::FillFileType(const std::string& path)
{
    shellfiles::FileType type;
    bool registered = !path.empty() && menufile::SpecialFolderNumber(path) < 0 &&
                      shellfiles::LookUpFileType(Extension(path), type);
    SetText(IDC_FILE_TYPE,
            path.empty() ? LoadText(instance(), IDS_NOT_FOUND_NOTE) : ShellInfo(path, SHGFI_TYPENAME).szTypeName);
    SetText(IDC_OPEN_COMMAND, registered ? type.command : "");
}

void EntryForm::FillIcon()
{
    if (Item(IDC_ICON_BUTTON))
        SetButtonIcon(IDC_ICON_BUTTON, ShownIcon(), buttonIcon_);
}

// The entry's own icon, else what its kind shows: the path's icon for a
// command item (a shortcut's stored icon comes with it), SHELL32's group
// or title picture.
win32::UniqueIcon EntryForm::ShownIcon() const
{
    const menufile::MenuEntry* entry = Entry();
    if (!entry)
        return {};
    if (!entry->iconPath.empty())
        return win32::ExtractFileIcon(entry->iconPath, entry->iconNumber, win32::IconSize::Large);
    if (IsItemForm(kind_))
        return win32::UniqueIcon(ShellInfo(entry->text1, SHGFI_ICON | SHGFI_LARGEICON).hIcon);
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    std::string shell32 = std::string(system) + "\\SHELL32.dll";
    win32::UniqueIcon icon =
        win32::ExtractFileIcon(shell32, kind_ == FormKind::Group ? 3 : 36, win32::IconSize::Large);
    return icon ? std::move(icon) : win32::ExtractFileIcon(shell32, 0, win32::IconSize::Large);
}

bool EntryForm::FolderPath() const
{
    const menufile::MenuEntry* entry = Entry();
    if (!entry || entry->text1.empty())
        return false;
    if (menufile::SpecialFolderNumber(entry->text1) >= 0)
        return true;
    DWORD attributes = GetFileAttributesA(entry->text1.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void EntryForm::UpdateEnabling()
{
    bool folder = FolderPath();
    Enable(IDC_SHOW_FOLDER, folder);
    bool depth = folder && Checked(IDC_SHOW_FOLDER);
    Enable(IDC_FOLDER_DEPTH, depth);
    Enable(IDC_FOLDER_DEPTH_SPIN, depth);
    Enable(IDC_ICON_BUTTON, kind_ != FormKind::Separator);
}

}  // namespace editor
