#include "win32/property_sheet.h"

#include <commctrl.h>
#include <utility>

namespace win32 {

// The sheet's callback carries no data of ours, and the pages are not made
// yet when it reports the sheet initialised (Wine makes them later): the
// sheet being made is handed over through the thread, which makes one sheet
// at a time.
namespace {
thread_local PropertySheetDialog* sheetBeingMade = nullptr;
}  // namespace

PROPSHEETPAGEA PropertyPage::Describe(HINSTANCE instance)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PropertyPage* binding = nullptr;
    if (message == WM_INITDIALOG)
        binding = reinterpret_cast<PropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    return Route(window, message, wParam, lParam, binding);
}

INT_PTR PropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        LRESULT result = 0;
        if (header.hwndFrom == SheetHandle() && OnSheetNotify(header, result)) {
            SetWindowLongPtrA(handle(), DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    return Dialog::OnMessage(message, wParam, lParam);
}

bool PropertyPage::OnSheetNotify(const NMHDR& header, LRESULT& result)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        OnSetActive();
        result = 0;
        return true;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
    case PSN_RESET:
        OnReset();
        return true;
    }
    return false;
}

void PropertySheetDialog::AddPage(PropertyPage& page)
{
    pages_.push_back(&page);
}

INT_PTR PropertySheetDialog::DoModal(HINSTANCE instance, HWND parent, const std::string& caption)
{
    std::vector<PROPSHEETPAGEA> pages;
    for (PropertyPage* page : pages_)
        pages.push_back(page->Describe(instance));
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    header.hwndParent = parent;
    header.hInstance = instance;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;
    sheetBeingMade = this;
    INT_PTR result = PropertySheetA(&header);
    sheetBeingMade = nullptr;
    Detach();
    if (result < 0)
        return -1;
    return result > 0 ? IDOK : IDCANCEL;
}

int CALLBACK PropertySheetDialog::SheetCallback(HWND sheet, UINT message, LPARAM lParam)
{
    if (message != PSCB_INITIALIZED || !sheetBeingMade)
        return 0;
    PropertySheetDialog* self = std::exchange(sheetBeingMade, nullptr);
    if (self->Attach(sheet))
        self->OnInit();
    return 0;
}

LRESULT PropertySheetDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    return DefaultProc(message, wParam, lParam);
}

}  // namespace win32
