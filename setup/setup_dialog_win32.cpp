#include "setup/setup_dialog.h"

#include <commctrl.h>
#include "resources/setup/resource_ids.h"
#include "shellfiles/messages.h"

namespace setup {

namespace {

const int kStepLines[3] = {IDC_SETUP_STEP1, IDC_SETUP_STEP2, IDC_SETUP_STEP3};
const int kMarks[3] = {IDC_SETUP_MARK1, IDC_SETUP_MARK2, IDC_SETUP_MARK3};

RECT ClientRectOf(HWND dialog, HWND control)
{
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

SetupDialog::SetupDialog(HINSTANCE instance, SetupSteps& steps, UINT stepDelayMs)
    : instance_(instance),
      steps_(steps),
      stepDelayMs_(stepDelayMs),
      icon_(LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM)))
{
}

INT_PTR SetupDialog::Run(HWND parent) { return DoModal(instance_, IDD_SETUP, parent); }

bool SetupDialog::OnInit()
{
    SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    title_.Attach(Item(IDC_SETUP_TITLE));
    SetWindowTextA(Item(IDC_SETUP_TITLE), shellfiles::kProductName);
    SendMessageA(Item(IDC_SETUP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    SetStepTexts();
    PlaceDoneMarks();
    SetTimer(handle(), 1, stepDelayMs_, nullptr);
    SendMessageA(Item(IDC_SETUP_PROGRESS), PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    CentreOnDesktop();
    return true;
}

void SetupDialog::SetStepTexts()
{
    const UINT texts[3] = {steps_.foundVersion() != 0 ? UINT(IDS_STEP_CONVERSION) : UINT(IDS_STEP_ENVIRONMENT),
                           IDS_STEP_SAMPLES, IDS_STEP_START};
    for (int i = 0; i < 3; ++i) {
        char text[128];
        if (LoadStringA(instance_, texts[i], text, sizeof text) > 0)
            SetWindowTextA(Item(kStepLines[i]), text);
    }
}

// Each mark stands at the left edge of the first mark, level with its line.
void SetupDialog::PlaceDoneMarks()
{
    int left = ClientRectOf(handle(), Item(IDC_SETUP_MARK1)).left;
    for (int i = 0; i < 3; ++i) {
        int top = ClientRectOf(handle(), Item(kStepLines[i])).top;
        MoveWindow(Item(kMarks[i]), left, top, 16, 16, TRUE);
    }
}

void SetupDialog::MarkDone(int step)
{
    marks_[step].reset(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_STEP_DONE), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    SendMessageA(Item(kMarks[step]), STM_SETICON, reinterpret_cast<WPARAM>(marks_[step].get()), 0);
}

void SetupDialog::SetProgress(int percent) { SendMessageA(Item(IDC_SETUP_PROGRESS), PBM_SETPOS, percent, 0); }

void SetupDialog::CentreOnDesktop()
{
    RECT desktop, own;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(handle(), &own);
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    SetWindowPos(handle(), nullptr, desktop.left + (desktop.right - desktop.left - width) / 2,
                 desktop.top + (desktop.bottom - desktop.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SetupDialog::OnCommand(int id, int notifyCode, HWND control)
{
    if (id == IDC_SETUP_TITLE)
        return true;  // the title is a button only to look like one
    return Dialog::OnCommand(id, notifyCode, control);
}

void SetupDialog::OnTimer(UINT_PTR timerId)
{
    // Each step runs once, whatever happens to its timer.
    KillTimer(handle(), timerId);
    switch (timerId) {
    case 1:
        SetProgress(10);
        steps_.PrepareFolders([this](int percent) { SetProgress(percent); });
        MarkDone(0);
        SetTimer(handle(), 2, stepDelayMs_, nullptr);
        break;
    case 2:
        SetProgress(40);
        steps_.WriteSamples();
        MarkDone(1);
        SetTimer(handle(), 3, stepDelayMs_, nullptr);
        break;
    case 3:
        SetProgress(80);
        steps_.StampAndStartResident(handle());
        MarkDone(2);
        SetTimer(handle(), 4, stepDelayMs_, nullptr);
        SetProgress(90);
        break;
    case 4:
        SetProgress(100);
        End(IDOK);
        break;
    }
}

void SetupDialog::OnHelp(const HELPINFO& request)
{
    help_.ShowForRequest(handle(), steps_.paths().helpPath, request);
}

bool SetupDialog::OnDrawItem(int controlId, const DRAWITEMSTRUCT& item)
{
    if (controlId != IDC_SETUP_TITLE)
        return false;
    title_.Draw(item);
    return true;
}

}  // namespace setup
