#include "editor/forms/tray_options_form.h"

#include "editor/dialogs/icon_chooser_dialog.h"
#include "editor/section_icon.h"
#include "editor/settings_change.h"
#include "resources/editor/resource_ids.h"
#include "win32/file_icon.h"

namespace editor {

namespace {

win32::UniqueIcon IconOf(const std::string& file, int number)
{
    return file.empty() ? win32::UniqueIcon() : win32::ExtractFileIcon(file, number, win32::IconSize::Large);
}

// The section's window is the MDI child that holds this form.
HWND SectionWindowOf(HWND form)
{
    char name[32] = "";
    for (HWND window = form; window; window = GetParent(window)) {
        HWND parent = GetParent(window);
        if (parent && GetClassNameA(parent, name, sizeof name) && lstrcmpiA(name, "MDIClient") == 0)
            return window;
    }
    return nullptr;
}

}  // namespace

bool TrayOptionsForm::Create(HWND parent)
{
    return CreateFrom(IDD_TRAY_OPTIONS_FORM, parent);
}

void TrayOptionsForm::Show(const FormSubject&)
{
    loading_ = true;
    state_ = TrayStateOf(context_.section.values());
    Check(IDC_CALENDAR, state_.calendar);
    Check(IDC_UP_IS_DOWN, state_.upIsDown);
    ShowIcons();
    loading_ = false;
}

TrayState TrayOptionsForm::Boxes() const
{
    TrayState state = state_;
    state.calendar = Checked(IDC_CALENDAR);
    state.upIsDown = Checked(IDC_UP_IS_DOWN);
    return state;
}

void TrayOptionsForm::ShowIcons()
{
    SetButtonIcon(IDC_NORMAL_ICON, IconOf(state_.normalFile, state_.normalNumber), normalIcon_);
    SetButtonIcon(IDC_PRESSED_ICON, IconOf(state_.pressedFile, state_.pressedNumber), pressedIcon_);
    UpdateEnabling();
}

void TrayOptionsForm::UpdateEnabling()
{
    bool calendar = Checked(IDC_CALENDAR);
    Enable(IDC_NORMAL_ICON, !calendar);
    Enable(IDC_UP_IS_DOWN, !calendar);
    Enable(IDC_PRESSED_ICON, !calendar && !Checked(IDC_UP_IS_DOWN));
    InvalidateRect(Item(IDC_TRAY_PREVIEW), nullptr, TRUE);
}

bool TrayOptionsForm::Commit()
{
    state_ = Boxes();
    SectionValues values = WithTrayState(context_.section.values(), state_);
    if (!TrayChanged(values, context_.section.values()))
        return true;
    context_.history.Do(context_.model, std::make_unique<SectionValuesChange>(context_.section, values),
                        StepKind::Icon);
    TellSectionChanged();
    return true;
}

// The section's window and its node in the management tree show the new icon.
void TrayOptionsForm::TellSectionChanged()
{
    size_t position = context_.model.PositionOf(context_.section.id());
    LPARAM section = reinterpret_cast<LPARAM>(&context_.section);
    if (HWND window = SectionWindowOf(handle()))
        SendMessageA(window, UM_SECTION_CHANGED, position, section);
    HWND bar = GetDlgItem(GetAncestor(handle(), GA_ROOT), ID_MANAGE_TREE_BAR);
    if (bar)
        SendMessageA(bar, UM_SECTION_CHANGED, position, section);
}

bool TrayOptionsForm::OnCommand(int id, int notifyCode, HWND)
{
    if (loading_ || notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_NORMAL_ICON:
    case IDC_PRESSED_ICON:
        ChooseIcon(id == IDC_PRESSED_ICON);
        return true;
    case IDC_UP_IS_DOWN:
    case IDC_CALENDAR:
        UpdateEnabling();
        return true;
    case IDC_TRAY_DEFAULTS:
        BackToDefaults();
        return true;
    default:
        return false;
    }
}

void TrayOptionsForm::ChooseIcon(bool pressed)
{
    std::string& file = pressed ? state_.pressedFile : state_.normalFile;
    int& number = pressed ? state_.pressedNumber : state_.normalNumber;
    IconChooserDialog chooser(instance(), context_.paths.settingsPath);
    if (!file.empty())
        chooser.SetIconLocation(file, number);
    if (chooser.Run(handle()) != IDOK || chooser.iconIndex() < 0)
        return;
    file = chooser.iconFile();
    number = chooser.iconIndex();
    ShowIcons();
    Commit();
}

void TrayOptionsForm::BackToDefaults()
{
    Check(IDC_CALENDAR, false);
    Check(IDC_UP_IS_DOWN, false);
    state_ = TrayState{};
    ShowIcons();
    Commit();
}

// The icon the tray would show now, and the pressed one beside it.
bool TrayOptionsForm::OnDrawItem(int controlId, const DRAWITEMSTRUCT& item)
{
    if (controlId != IDC_TRAY_PREVIEW)
        return false;
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(item.hDC, &area, EDGE_SUNKEN, BF_RECT);
    SectionValues shown = WithTrayState(context_.section.values(), Boxes());
    win32::UniqueIcon normal = SectionIcon(instance(), shown, true);
    int size = GetSystemMetrics(SM_CXSMICON);
    int top = (area.top + area.bottom - size) / 2;
    DrawIconEx(item.hDC, area.left + 8, top, normal.get(), size, size, 0, nullptr, DI_NORMAL);
    if (shown.flags == 0 && !shown.pressedIconFile.empty()) {
        win32::UniqueIcon pressed = win32::ExtractFileIcon(shown.pressedIconFile, shown.pressedIconNumber,
                                                           win32::IconSize::Small);
        DrawIconEx(item.hDC, area.left + 16 + size, top, pressed.get(), size, size, 0, nullptr, DI_NORMAL);
    }
    return true;
}

}  // namespace editor
