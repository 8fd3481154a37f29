#include "editor/dialogs/icon_chooser_dialog.h"

#include <commdlg.h>
#include <climits>
#include "editor/command_text.h"
#include "editor/dialogs/dialog_message.h"
#include "editor/dialogs/file_filter.h"
#include "editor/dialogs/icon_file.h"
#include "editor/dialogs/icon_history.h"
#include "resources/editor/resource_ids.h"
#include "shiftjis/shift_jis.h"

namespace editor {

namespace {

std::string SystemShell32()
{
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length < MAX_PATH ? length : 0) + "\\SHELL32.dll";
}

// A menu shows "&" as the mark of its access key.
std::string MenuText(const std::string& path)
{
    std::string text;
    for (char c : path)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

}  // namespace

IconChooserDialog::IconChooserDialog(HINSTANCE instance, std::string iniPath)
    : instance_(instance), iniPath_(std::move(iniPath)), history_(ReadIconHistory(iniPath_)), file_(SystemShell32())
{
    if (!history_.Contains(file_))
        history_.Add(file_);
    for (const std::string& file : history_.files()) {
        if (IconFileExists(file)) {
            file_ = file;
            break;
        }
    }
}

bool IconChooserDialog::SetIconLocation(const std::string& file, int number)
{
    std::string path = ResolveIconPath(file);
    int count = IconFileExists(path) ? IconCount(instance_, path) : 0;
    if (count <= 0 || number >= count)
        return false;
    // Resource ids are 16 bits: the lowest int has no id to be negated into.
    index_ = number < 0 ? IconPositionOfResource(path, number == INT_MIN ? 0 : -number) : number;
    file_ = path;
    history_.Add(path);
    return true;
}

INT_PTR IconChooserDialog::Run(HWND parent)
{
    return DoModal(instance_, IDD_ICON_CHOOSER, parent);
}

bool IconChooserDialog::OnInit()
{
    HWND list = Item(IDC_ICON_LIST);
    SendMessageA(list, LB_SETCOLUMNWIDTH, GetSystemMetrics(SM_CXICON) + 6, 0);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, GetSystemMetrics(SM_CYICON) + 12);
    SendDlgItemMessageA(handle(), IDC_ICON_FILE, EM_LIMITTEXT, MAX_PATH - 1, 0);
    historyBitmap_.reset(static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDB_ICON_HISTORY), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
    int index = index_;
    Load(file_);
    index_ = index;
    SendMessageA(list, LB_SETCURSEL, index_, 0);
    return true;
}

void IconChooserDialog::Load(const std::string& file)
{
    file_ = file;
    index_ = 0;
    SetDlgItemTextA(handle(), IDC_ICON_FILE, file_.c_str());
    FillList();
}

void IconChooserDialog::FillList()
{
    HWND list = Item(IDC_ICON_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    icons_.clear();
    history_.Add(file_);
    if (!IconFileExists(file_)) {
        ShowExclamation(handle(), instance_, IDS_ICON_FILE_MISSING, file_);
        history_.Remove(file_);
        return;
    }
    if (!ReadIcons()) {
        ShowExclamation(handle(), instance_, IDS_ICON_FILE_EMPTY, file_);
        history_.Remove(file_);
        return;
    }
    for (size_t i = 0; i < icons_.size(); ++i)
        SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

// A file whose icons all fail to load holds no icon for the user either.
bool IconChooserDialog::ReadIcons()
{
    icons_ = ExtractIcons(instance_, file_, IconCount(instance_, file_));
    for (const win32::UniqueIcon& icon : icons_) {
        if (icon)
            return true;
    }
    icons_.clear();
    return false;
}

bool IconChooserDialog::OnCommand(int id, int notifyCode, HWND control)
{
    if (id == IDC_ICON_HISTORY && notifyCode == BN_CLICKED) {
        ShowHistoryMenu();
    } else if (id >= ID_ICON_RECENT_FILE && id < ID_ICON_RECENT_FILE + static_cast<int>(history_.files().size())) {
        Load(std::string(history_.files()[id - ID_ICON_RECENT_FILE]));
    } else if (id == ID_ICON_BROWSE) {
        Browse();
    } else if (id == IDC_ICON_LIST && notifyCode == LBN_DBLCLK) {
        PostMessageA(handle(), WM_COMMAND, IDOK, 0);
    } else {
        return Dialog::OnCommand(id, notifyCode, control);
    }
    return true;
}

// Enter in the file name loads that file. So does OK after the name was
// changed: the icon chosen must belong to the file returned.
void IconChooserDialog::OnOK()
{
    std::string typed = TypedFile();
    if (GetFocus() == Item(IDC_ICON_FILE) || !shiftjis::EqualIgnoringCase(typed, file_)) {
        Load(typed);
        return;
    }
    int selected = static_cast<int>(SendDlgItemMessageA(handle(), IDC_ICON_LIST, LB_GETCURSEL, 0, 0));
    if (selected < 0) {
        ShowExclamation(handle(), instance_, IDS_SELECT_AN_ICON);
        return;
    }
    index_ = selected;
    End(IDOK);
}

std::string IconChooserDialog::TypedFile() const
{
    char text[MAX_PATH] = "";
    GetDlgItemTextA(handle(), IDC_ICON_FILE, text, MAX_PATH);
    return ResolveIconPath(text);
}

void IconChooserDialog::ShowHistoryMenu()
{
    win32::UniqueMenu menu(CreatePopupMenu());
    for (size_t i = 0; i < history_.files().size(); ++i)
        AppendMenuA(menu.get(), MF_STRING, ID_ICON_RECENT_FILE + i, MenuText(history_.files()[i]).c_str());
    AppendMenuA(menu.get(), MF_STRING, ID_ICON_BROWSE, "...");
    RECT button;
    GetWindowRect(Item(IDC_ICON_HISTORY), &button);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom - 1, 0, handle(), nullptr);
}

void IconChooserDialog::Browse()
{
    std::string filter = FileDialogFilter(LoadText(instance_, IDS_ICON_FILTER));
    std::string title = LoadText(instance_, IDS_ICON_BROWSE_TITLE);
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (GetOpenFileNameA(&dialog))
        Load(path);
}

void IconChooserDialog::OnDestroy()
{
    icons_.clear();
    WriteIconHistory(iniPath_, history_);
}

}  // namespace editor
