#include "editor/forms/menu_options_form.h"

#include <commctrl.h>
#include "editor/settings_change.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

// " (%dx%d)" with the system's size of icons of that kind.
void AppendSize(HWND button, int width, int height)
{
    char text[128] = "";
    GetWindowTextA(button, text, sizeof text);
    std::string label = std::string(text) + " (" + std::to_string(GetSystemMetrics(width)) + "x" +
                        std::to_string(GetSystemMetrics(height)) + ")";
    SetWindowTextA(button, label.c_str());
}

// The system's standard application icon: what an entry without an icon
// of its own shows.
win32::UniqueIcon ApplicationIcon(int size)
{
    return win32::UniqueIcon(
        static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

BOOL CALLBACK ReloadForms(HWND window, LPARAM)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == kFormsClassName)
        SendMessageA(window, kReloadMenuOptions, 0, 0);
    return TRUE;
}

}  // namespace

void ReloadMenuOptionForms(HWND root)
{
    EnumChildWindows(root, ReloadForms, 0);
}

bool MenuOptionsForm::Create(HWND parent)
{
    return CreateFrom(IDD_MENU_OPTIONS_FORM, parent);
}

bool MenuOptionsForm::OnInit()
{
    FormView::OnInit();
    AppendSize(Item(IDC_SMALL_ICONS), SM_CXSMICON, SM_CYSMICON);
    AppendSize(Item(IDC_LARGE_ICONS), SM_CXICON, SM_CYICON);
    smallDefault_ = ApplicationIcon(GetSystemMetrics(SM_CXSMICON));
    largeDefault_ = ApplicationIcon(GetSystemMetrics(SM_CXICON));
    SendDlgItemMessageA(handle(), IDC_DEFAULT_SMALL_ICON, STM_SETICON, reinterpret_cast<WPARAM>(smallDefault_.get()), 0);
    SendDlgItemMessageA(handle(), IDC_DEFAULT_LARGE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(largeDefault_.get()), 0);
    SendDlgItemMessageA(handle(), IDC_WIDTH_TRACK, TBM_SETRANGE, TRUE, MAKELPARAM(kNarrowestWidth, kWidestWidth));
    return true;
}

void MenuOptionsForm::Show(const FormSubject&)
{
    state_ = MenuOptionStateOf(context_.section.values().menus[side_]);
    ShowState();
}

void MenuOptionsForm::ShowState()
{
    loading_ = true;
    Check(IDC_SHOW_TEXT, state_.showText);
    Check(IDC_SHOW_ICONS, state_.showIcons);
    Check(IDC_SMALL_ICONS, !state_.large);
    Check(IDC_LARGE_ICONS, state_.large);
    Check(IDC_AUTOMATIC_WIDTH, state_.automatic);
    // The width as stored: one beyond the track bar's range shows until
    // the form stores its own.
    int width = context_.section.values().menus[side_].width;
    SetText(IDC_WIDTH_TEXT, state_.automatic ? "" : std::to_string(width));
    SendDlgItemMessageA(handle(), IDC_WIDTH_TRACK, TBM_SETPOS, TRUE, state_.position);
    UpdateEnabling();
    InvalidateRect(Item(IDC_MENU_PREVIEW), nullptr, TRUE);
    loading_ = false;
}

void MenuOptionsForm::UpdateEnabling()
{
    Enable(IDC_AUTOMATIC_WIDTH, state_.showText);
    Enable(IDC_WIDTH_TRACK, state_.showText && !state_.automatic);
    Enable(IDC_SMALL_ICONS, state_.showIcons);
    Enable(IDC_LARGE_ICONS, state_.showIcons);
}

bool MenuOptionsForm::Commit()
{
    Store();
    return true;
}

// The words rebuilt from the state: no other bit survives an edit.
bool MenuOptionsForm::Store(StepKind kind)
{
    SectionValues values = context_.section.values();
    values.menus[side_].options = OptionsWord(state_);
    values.menus[side_].width = WidthOf(state_);
    if (values == context_.section.values())
        return false;
    context_.history.Do(context_.model, std::make_unique<SectionValuesChange>(context_.section, values), kind);
    return true;
}

void MenuOptionsForm::OnShowClicked(int id)
{
    MenuOptionState next = state_;
    (id == IDC_SHOW_TEXT ? next.showText : next.showIcons) = Checked(id);
    if (!ShowsSomething(next)) {
        Ask(IDS_NOTHING_TO_SHOW, MB_OK | MB_ICONEXCLAMATION);
        Check(id, true);
        return;
    }
    state_ = next;
    Store();
    ShowState();
}

bool MenuOptionsForm::OnCommand(int id, int notifyCode, HWND control)
{
    if (loading_ || notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_SHOW_TEXT:
    case IDC_SHOW_ICONS:
        OnShowClicked(id);
        return true;
    case IDC_AUTOMATIC_WIDTH:
        state_.automatic = Checked(id);
        break;
    case IDC_SMALL_ICONS:
    case IDC_LARGE_ICONS:
        state_.large = Checked(IDC_LARGE_ICONS);
        break;
    case IDC_ALL_MENUS_SAME:
        MakeAllTheSame();
        return true;
    default:
        return false;
    }
    Store();
    ShowState();
    return true;
}

INT_PTR MenuOptionsForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == Item(IDC_WIDTH_TRACK)) {
        OnTrack(LOWORD(wParam));
        return TRUE;
    }
    return FormView::OnMessage(message, wParam, lParam);
}

// A drag stores its width once, when it ends.
void MenuOptionsForm::OnTrack(int code)
{
    if (loading_ || code == SB_THUMBTRACK || code == SB_THUMBPOSITION)
        return;
    state_.position = static_cast<int>(SendDlgItemMessageA(handle(), IDC_WIDTH_TRACK, TBM_GETPOS, 0, 0));
    Store();
    ShowState();
}

// This form's own values first, so that no stray bit is copied; then both
// sides of every section, in one step.
void MenuOptionsForm::MakeAllTheSame()
{
    Commit();
    const MenuSideValues& mine = context_.section.values().menus[side_];
    {
        ChangeHistory::Group group(context_.frameHistory, StepKind::SameMenus);
        for (size_t i = 0; i < context_.model.size(); ++i) {
            const Section& section = context_.model.section(i);
            SectionValues values = WithBothMenus(section.values(), mine.options, mine.width);
            if (values != section.values())
                context_.frameHistory.Do(context_.model, std::make_unique<SectionValuesChange>(section, values));
        }
    }
    ReloadMenuOptionForms(GetAncestor(handle(), GA_ROOT));
}

}  // namespace editor
