#include "editor/forms/options_window.h"

#include <commctrl.h>
#include <algorithm>
#include "editor/command_text.h"
#include "editor/forms/options_page.h"
#include "editor/settings_change.h"
#include "resources/editor/resource_ids.h"
#include "win32/file_icon.h"

namespace editor {

namespace {

constexpr int kPageHeight = 75;
constexpr int kLongestTenths = 100;

}  // namespace

bool AutoHideForm::OnInit()
{
    loading_ = true;
    SendDlgItemMessageA(handle(), IDC_AUTO_HIDE_SPIN, UDM_SETRANGE32, 0, kLongestTenths);
    SetDlgItemInt(handle(), IDC_AUTO_HIDE, static_cast<UINT>(model_.menuAutoHide() / 100), FALSE);
    loading_ = false;
    return true;
}

bool AutoHideForm::OnCommand(int id, int notifyCode, HWND control)
{
    if (id != IDC_AUTO_HIDE)
        return Dialog::OnCommand(id, notifyCode, control);
    if (notifyCode != EN_CHANGE || loading_)
        return false;
    BOOL number = FALSE;
    int tenths = static_cast<int>(GetDlgItemInt(handle(), id, &number, TRUE));
    if (number && tenths >= 0 && tenths <= kLongestTenths && tenths * 100 != model_.menuAutoHide())
        history_.Do(model_, std::make_unique<MenuAutoHideChange>(tenths * 100), StepKind::Options);
    return true;
}

bool AutoHideForm::Commit()
{
    BOOL number = FALSE;
    int tenths = static_cast<int>(GetDlgItemInt(handle(), IDC_AUTO_HIDE, &number, TRUE));
    if (number && tenths >= 0 && tenths <= kLongestTenths)
        return true;
    std::string text = LoadText(instance_, IDS_RANGE_ERROR);
    text.replace(text.find("%1"), 2, "0");
    text.replace(text.find("%2"), 2, std::to_string(kLongestTenths));
    MessageBoxA(GetAncestor(handle(), GA_ROOT), text.c_str(), LoadText(instance_, IDS_APP_TITLE).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    SetFocus(Item(IDC_AUTO_HIDE));
    return false;
}

bool OptionsWindow::OnCreate()
{
    page_ = CreateOptionsPage(instance_, handle(), view_);
    if (!page_ || !form_.CreateModeless(instance_, IDD_GENERAL_OPTIONS_FORM, handle()))
        return false;
    ShowWindow(form_.handle(), SW_SHOW);
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    icon_ = win32::ExtractFileIcon(std::string(system) + "\\SHELL32.dll", 35, win32::IconSize::Small);
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
    return true;
}

void OptionsWindow::OnSize(int width, int height)
{
    int pageHeight = std::min(height / 2, kPageHeight);
    MoveWindow(page_, 0, 0, width, pageHeight, TRUE);
    MoveWindow(form_.handle(), 0, pageHeight, width, height - pageHeight, TRUE);
}

}  // namespace editor
