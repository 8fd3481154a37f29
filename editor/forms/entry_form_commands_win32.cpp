// The entry form's commands: the path pickers, the changes of kind, the
// icon and the colours of a title, through the editor's dialogs.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include "editor/command_text.h"
#include "editor/dialogs/colour_sheet.h"
#include "editor/dialogs/file_filter.h"
#include "editor/dialogs/icon_chooser_dialog.h"
#include "editor/dialogs/system_folder_chooser.h"
#include "editor/forms/entry_form.h"
#include "editor/forms/icon_start.h"
#include "editor/forms/title_colouring.h"
#include "menufile/special_folder.h"
#include "resources/editor/resource_ids.h"
#include "win32/com_ptr.h"

namespace editor {

namespace {

bool IsPathCommand(int id)
{
    return id == ID_PICK_FILE || id == ID_PICK_SHORTCUT || id == ID_PICK_SERVICE || id == ID_PICK_FOLDER ||
           id == ID_PICK_SYSTEM_FOLDER;
}

// The kind each button and menu command turns the entry into.
NodeKind KindCommand(int id)
{
    switch (id) {
    case IDC_TO_TITLE:
    case ID_TO_TITLE:
        return kTitleNode;
    case IDC_TO_SEPARATOR:
    case ID_TO_SEPARATOR:
        return kSeparatorNode;
    case IDC_TO_GROUP:
    case ID_TO_GROUP:
        return kGroupNode;
    case IDC_TO_ITEM:
    case ID_TO_ITEM:
        return kCommandNode;
    default:
        return kLeftRootNode;  // none
    }
}

NodeKind KindOfForm(FormKind kind)
{
    switch (kind) {
    case FormKind::Group:
        return kGroupNode;
    case FormKind::Separator:
        return kSeparatorNode;
    case FormKind::Title:
        return kTitleNode;
    default:
        return kCommandNode;
    }
}

}  // namespace

bool EntryForm::Handles(int command) const
{
    bool item = kind_ == FormKind::ShortcutItem || kind_ == FormKind::FileItem;
    if (IsPathCommand(command))
        return item;
    if (command == ID_CHANGE_ICON)
        return Item(IDC_ICON_BUTTON) && IsWindowEnabled(Item(IDC_ICON_BUTTON));
    if (command == ID_CHANGE_COLOURS)
        return kind_ == FormKind::Title;
    if (command == ID_TEST_FORM)
        return true;
    NodeKind target = KindCommand(command);
    return target != kLeftRootNode && target != KindOfForm(kind_) && kind_ != FormKind::Group;
}

bool EntryForm::RunCommand(int id)
{
    if (id == IDC_PATH_MENU) {
        ShowPathMenu();
    } else if (IsPathCommand(id) && Handles(id)) {
        PickPath(id);
    } else if ((id == IDC_ICON_BUTTON || id == ID_CHANGE_ICON) && Handles(ID_CHANGE_ICON)) {
        ChangeIcon();
    } else if (kind_ == FormKind::Title && (id == IDC_PARAMETERS || id == ID_CHANGE_COLOURS)) {
        ChangeColours();
    } else if (KindCommand(id) != kLeftRootNode && Handles(id)) {
        ChangeKind(KindCommand(id));
    } else if (id == IDC_TEST_DISPLAY || id == ID_TEST_FORM) {
        // The section window's test display of the side being edited.
        SendMessageA(GetAncestor(handle(), GA_ROOT), WM_COMMAND, side() == kLeft ? ID_TEST_LEFT : ID_TEST_RIGHT, 0);
    } else {
        return false;
    }
    return true;
}

void EntryForm::ShowPathMenu()
{
    win32::UniqueMenu menus(LoadMenuA(instance(), MAKEINTRESOURCEA(IDR_CONTEXT_MENUS)));
    HMENU paths = menus ? GetSubMenu(menus.get(), CONTEXT_PATH) : nullptr;
    RECT button;
    if (!paths || !GetWindowRect(Item(IDC_PATH_MENU), &button))
        return;
    TrackPopupMenu(paths, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, handle(), nullptr);
}

// A new path makes the entry a command item anew; the pane that matches
// the new path (shortcut or not) is shown once this handler is done.
void EntryForm::PickPath(int command)
{
    const menufile::MenuEntry* entry = Entry();
    std::string path = entry ? AskForPath(command) : std::string();
    if (path.empty() || path == entry->text1)
        return;
    if (Operations().Replace(subject_.path, WithNewPath(*entry, path), StepKind::Edit))
        context_.host.EntryReplaced(subject_.path);
}

std::string EntryForm::AskForPath(int command)
{
    switch (command) {
    case ID_PICK_FILE:
        return AskForFile(IDS_PROGRAM_FILTER, "");
    case ID_PICK_SHORTCUT:
        return AskForFile(IDS_SHORTCUT_FILTER, "");
    case ID_PICK_SERVICE:
        return AskForFile(IDS_SHORTCUT_FILTER, context_.paths.servePath);
    case ID_PICK_FOLDER:
        return AskForFolder();
    default: {
        SystemFolderChooser chooser(instance());
        return chooser.Run(handle()) == IDOK ? menufile::SpecialFolderPath(chooser.folder()) : std::string();
    }
    }
}

std::string EntryForm::AskForFile(UINT filterId, const std::string& folder)
{
    std::string filter = FileDialogFilter(LoadText(instance(), filterId));
    std::vector<char> name(4 * MAX_PATH, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_LONGNAMES | OFN_NODEREFERENCELINKS | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    return GetOpenFileNameA(&dialog) ? std::string(name.data()) : std::string();
}

std::string EntryForm::AskForFolder()
{
    std::string title = LoadText(instance(), IDS_PICK_FOLDER);
    char name[MAX_PATH] = "";
    BROWSEINFOA browse = {};
    browse.hwndOwner = handle();
    browse.pszDisplayName = name;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    win32::UniqueItemIdList chosen(SHBrowseForFolderA(&browse));
    char path[MAX_PATH] = "";
    return chosen && SHGetPathFromIDListA(chosen.get(), path) ? std::string(path) : std::string();
}

void EntryForm::ChangeKind(NodeKind kind)
{
    const menufile::MenuEntry* entry = Entry();
    if (!entry || Ask(IDS_CHANGE_KIND, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    Commit();
    KindChangeTexts texts{context_.paths.programPath, LoadText(instance(), IDS_NEW_ITEM)};
    if (Operations().Replace(subject_.path, ConvertedEntry(*Entry(), kind, texts), StepKind::KindChange))
        context_.host.EntryReplaced(subject_.path);
}

void EntryForm::ChangeIcon()
{
    const menufile::MenuEntry* entry = Entry();
    if (!entry)
        return;
    IconChooserDialog chooser(instance(), context_.paths.settingsPath);
    for (const shellfiles::IconLocation& start : IconStarts(handle(), *entry)) {
        if (chooser.SetIconLocation(start.path, start.number))
            break;
    }
    if (chooser.Run(handle()) != IDOK || chooser.iconIndex() < 0)
        return;
    EntryFields fields = FieldsOf(*Entry());
    fields.iconPath = chooser.iconFile();
    fields.iconNumber = chooser.iconIndex();
    if (Write(fields, StepKind::Icon))
        FillIcon();
}

void EntryForm::ChangeColours()
{
    const menufile::MenuEntry* entry = Entry();
    if (!entry)
        return;
    EntryFields fields = FieldsOf(*entry);
    std::string title = fields.text1.empty() ? LoadText(instance(), IDS_NEW_TITLE) : fields.text1;
    ColourSheet sheet(instance(), title, ColoursOf(fields));
    if (sheet.Run(handle()) != IDOK)
        return;
    std::string parameters = menufile::FormatTitleColours(sheet.colours());
    if (sheet.applyToAll()) {
        if (Operations().SetFields(RecolourAllTitles(*context_.section.menu(side())->root(), parameters),
                                   StepKind::AllTitles))
            context_.host.EntryChanged(subject_.path);
    } else {
        fields.parameters = parameters;
        Write(fields, StepKind::Colour);
    }
    InvalidateRect(Item(IDC_DESCRIPTION), nullptr, TRUE);
}

}  // namespace editor
