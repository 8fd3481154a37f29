#include "editor/forms/options_window.h"

#include <commctrl.h>
#include <algorithm>
#include "editor/command_text.h"
#include "editor/forms/page_text.h"
#include "editor/settings_change.h"
#include "resources/editor/resource_ids.h"
#include "win32/file_icon.h"

namespace editor {

namespace {

constexpr int kPageHeight = 75;
constexpr int kLongestTenths = 100;

// The page is kept in UTF-8, as a browser reads it; the edit shows ANSI.
std::string AnsiFromUtf8(const std::string& text)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &ansi[0], bytes, nullptr, nullptr);
    return ansi;
}

std::string PageResource(HINSTANCE instance)
{
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_OPTIONS_PAGE), MAKEINTRESOURCEA(23));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(instance, found)) : std::string();
}

}  // namespace

bool AutoHideForm::OnInit()
{
    loading_ = true;
    SendDlgItemMessageA(handle(), IDC_AUTO_HIDE_SPIN, UDM_SETRANGE32, 0, kLongestTenths);
    SetDlgItemInt(handle(), IDC_AUTO_HIDE, static_cast<UINT>(model_.menuAutoHide() / 100), FALSE);
    loading_ = false;
    return true;
}

bool AutoHideForm::OnCommand(int id, int notifyCode, HWND)
{
    if (id != IDC_AUTO_HIDE || notifyCode != EN_CHANGE || loading_)
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
    page_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", PageText(AnsiFromUtf8(PageResource(instance_))).c_str(),
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0, handle(),
                            nullptr, instance_, nullptr);
    SendMessageA(page_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
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
