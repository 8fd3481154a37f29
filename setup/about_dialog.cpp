#include "setup/about_dialog.h"

#include <htmlhelp.h>
#include <cstring>
#include "resources/setup/resource_ids.h"

namespace setup {

const char kMailAddress[] = "ombrix@example.org";
const char kHomePage[] = "https://example.org/ombrix/";
const char kNoticeLine[] = "Ombrix project";

namespace {

const char kProductName[] = "Q-Fendix";
const char kVersionLine[] = "Version 1.10 Oct 20 2001 16:37:56";
constexpr int kCreditsSpeed = 1;

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_DEFAULTCOLOR));
}

// The link shows the address as the mail link does, without its scheme:
// the whole of it would not fit the control.
const char* WithoutScheme(const char* address)
{
    const char* separator = strstr(address, "://");
    return separator ? separator + 3 : address;
}

}  // namespace

std::string AboutCreditsText()
{
    return std::string("*** ") + kProductName + " ***||" + kVersionLine + "|" + kNoticeLine + "||";
}

AboutDialog::AboutDialog(HINSTANCE instance, std::string helpFile)
    : instance_(instance),
      helpFile_(std::move(helpFile)),
      icon_(LoadProgramIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON)),
      mailLink_(std::string("mailto:") + kMailAddress),
      webLink_(kHomePage)
{
}

INT_PTR AboutDialog::DoModal(HWND parent) { return Dialog::DoModal(instance_, IDD_ABOUT, parent); }

bool AboutDialog::OnInit()
{
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

    credits_.Attach(Item(IDC_CREDITS));
    credits_.SetText(AboutCreditsText(), instance_);
    credits_.SetSpeed(kCreditsSpeed);
    credits_.SetColors(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNTEXT));
    credits_.Start();

    InitLinks();
    return true;
}

void AboutDialog::InitLinks()
{
    SetDlgItemTextA(handle(), IDC_MAIL_LINK, kMailAddress);
    SetDlgItemTextA(handle(), IDC_WEB_LINK, WithoutScheme(kHomePage));
    mailLink_.Attach(Item(IDC_MAIL_LINK));
    webLink_.Attach(Item(IDC_WEB_LINK));
}

void AboutDialog::OnHelp(const HELPINFO& info)
{
    help_.ShowForRequest(handle(), helpFile_, info);
}

void AboutDialog::OnDestroy()
{
    credits_.Stop();
    // The icons die with the object, after the window that shows them.
    SendMessageA(handle(), WM_SETICON, ICON_BIG, 0);
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, 0);
}

bool AboutDialog::PaintMinimised()
{
    if (!IsIconic(handle()))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    SendMessageA(handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(handle(), &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_.get());
    EndPaint(handle(), &paint);
    return true;
}

INT_PTR AboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        return PaintMinimised() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
        // One of the messages whose answer a dialog procedure returns itself.
        return reinterpret_cast<INT_PTR>(icon_.get());
    }
    return Dialog::OnMessage(message, wParam, lParam);
}

}  // namespace setup
