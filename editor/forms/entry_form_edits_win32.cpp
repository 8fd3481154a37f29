// The entry form's own edits: texts, the two option boxes and the depth.
#include "editor/forms/entry_form.h"
#include <commctrl.h>
#include "menufile/menu_writer.h"
#include "resources/editor/resource_ids.h"
#include "shiftjis/shift_jis.h"

namespace editor {

namespace {

const int kTextFields[] = {IDC_SHORTCUT_DESCRIPTION, IDC_FILE_DESCRIPTION, IDC_DESCRIPTION};
// No field may outgrow a line the resident reads whole.
constexpr int kLongestText = 511;

int TemplateOf(FormKind kind)
{
    switch (kind) {
    case FormKind::ShortcutItem:
        return IDD_SHORTCUT_FORM;
    case FormKind::FileItem:
        return IDD_FILE_FORM;
    case FormKind::Group:
        return IDD_GROUP_FORM;
    case FormKind::Separator:
        return IDD_SEPARATOR_FORM;
    default:
        return IDD_TITLE_FORM;
    }
}

}  // namespace

bool EntryForm::Create(HWND parent)
{
    return CreateFrom(TemplateOf(kind_), parent);
}

bool EntryForm::OnInit()
{
    FormView::OnInit();
    note_ = Text(kind_ == FormKind::ShortcutItem ? IDC_SHORTCUT_NOTE : IDC_FILE_NOTE);
    for (int id : kTextFields)
        SendDlgItemMessageA(handle(), id, EM_LIMITTEXT, kLongestText, 0);
    if (HasParameters())
        SendDlgItemMessageA(handle(), IDC_PARAMETERS, EM_LIMITTEXT, kLongestText, 0);
    SendDlgItemMessageA(handle(), IDC_FOLDER_DEPTH_SPIN, UDM_SETRANGE32, 0, 255);
    menuBitmap_.reset(LoadBitmapA(instance(), MAKEINTRESOURCEA(IDB_ICON_HISTORY)));
    SendDlgItemMessageA(handle(), IDC_PATH_MENU, BM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(menuBitmap_.get()));
    return true;
}

void EntryForm::Show(const FormSubject& subject)
{
    subject_ = subject;
    Fill();
}

const menufile::MenuEntry* EntryForm::Entry() const
{
    if (subject_.side != kLeft && subject_.side != kRight)
        return nullptr;
    EditMenuFile* menu = context_.section.menu(side());
    return menu && menu->root() ? EntryAt(*menu->root(), subject_.path) : nullptr;
}

MenuOperations EntryForm::Operations() const
{
    return MenuOperations(context_.model, context_.history, context_.section.id(), side());
}

int EntryForm::DescriptionId() const
{
    switch (kind_) {
    case FormKind::ShortcutItem:
        return IDC_SHORTCUT_DESCRIPTION;
    case FormKind::FileItem:
        return IDC_FILE_DESCRIPTION;
    default:
        return IDC_DESCRIPTION;
    }
}

bool EntryForm::Commit()
{
    CommitText(DescriptionId());
    if (HasParameters())
        CommitText(IDC_PARAMETERS);
    return CommitDepth();
}

// Only a text that differs, other than in the case of its letters, from
// what was last written reaches the model.
bool EntryForm::CommitText(int id)
{
    const menufile::MenuEntry* entry = Entry();
    bool description = id == DescriptionId();
    std::string& written = description ? writtenDescription_ : writtenParameters_;
    std::string text = Text(id);
    if (loading_ || !entry || shiftjis::EqualIgnoringCase(text, written))
        return false;
    EntryFields fields = FieldsOf(*entry);
    if (description)
        PutDescription(fields, text);
    else
        fields.parameters = text;
    written = text;
    return Write(fields);
}

// A refused depth is kept in the field for the user to mend.
bool EntryForm::CommitDepth()
{
    HWND field = Item(IDC_FOLDER_DEPTH);
    if (!Entry() || !field || !IsWindowEnabled(field) || WriteValidDepth())
        return true;
    RefuseRange(IDC_FOLDER_DEPTH, 0, 255);
    return false;
}

// False, writing nothing, when the field holds no depth.
bool EntryForm::WriteValidDepth()
{
    BOOL number = FALSE;
    int depth = static_cast<int>(GetDlgItemInt(handle(), IDC_FOLDER_DEPTH, &number, TRUE));
    const menufile::MenuEntry* entry = Entry();
    if (!number || !ValidFolderDepth(depth))
        return false;
    if (entry) {
        EntryFields fields = FieldsOf(*entry);
        SetFolderDepth(fields, depth);
        Write(fields);
    }
    return true;
}

void EntryForm::OnFlagClicked(int id)
{
    const menufile::MenuEntry* entry = Entry();
    if (loading_ || !entry)
        return;
    uint32_t bit = id == IDC_MENU_BREAK ? menufile::ITEM_MENUBREAK : menufile::ITEM_SHOWFOLDER;
    EntryFields fields = FieldsOf(*entry);
    fields.flags = Checked(id) ? fields.flags | bit : fields.flags & ~bit;
    Write(fields);
    UpdateEnabling();
}

bool EntryForm::Write(const EntryFields& fields, StepKind kind)
{
    if (!Operations().SetFields(subject_.path, fields, kind))
        return false;
    context_.host.EntryChanged(subject_.path);
    return true;
}

bool EntryForm::OnCommand(int id, int notifyCode, HWND control)
{
    if (notifyCode == EN_KILLFOCUS && (id == DescriptionId() || (HasParameters() && id == IDC_PARAMETERS))) {
        CommitText(id);
        return true;
    }
    // A number typed is one step, not one per digit: while the field has
    // the focus its depth waits for Enter or the focus to leave.
    if (id == IDC_FOLDER_DEPTH && !loading_ &&
        (notifyCode == EN_KILLFOCUS || (notifyCode == EN_CHANGE && GetFocus() != control))) {
        WriteValidDepth();
        return true;
    }
    if (notifyCode == BN_CLICKED && (id == IDC_MENU_BREAK || id == IDC_SHOW_FOLDER)) {
        OnFlagClicked(id);
        return true;
    }
    return (notifyCode == BN_CLICKED || notifyCode == 0) && RunCommand(id);
}

// The title's description is drawn in the title's colours.
INT_PTR EntryForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const menufile::MenuEntry* entry = Entry();
    if (message != WM_CTLCOLOREDIT || kind_ != FormKind::Title || !entry ||
        reinterpret_cast<HWND>(lParam) != Item(IDC_DESCRIPTION))
        return FormView::OnMessage(message, wParam, lParam);
    menufile::TitleColours colours = ColoursOf(FieldsOf(*entry));
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, menufile::ColourValue(colours.text));
    COLORREF back = menufile::ColourValue(colours.background);
    SetBkColor(dc, back);
    titleBrush_.reset(CreateSolidBrush(back));
    return reinterpret_cast<INT_PTR>(titleBrush_.get());
}

}  // namespace editor
