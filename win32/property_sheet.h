#pragma once
// Modal property sheets whose pages are dialogs from resource templates.
// A page is a Dialog bound at its WM_INITDIALOG; the sheet's notifications
// reach it as typed handlers. The sheet window itself is seen through a
// subclass from the end of its standard initialisation.
#include <windows.h>
#include <prsht.h>
#include <string>
#include <vector>
#include "win32/dialog.h"
#include "win32/window.h"

namespace win32 {

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(int templateId) : templateId_(templateId) {}

    // The page as the sheet is given it; the object is the page's data.
    PROPSHEETPAGEA Describe(HINSTANCE instance);
    HWND SheetHandle() const { return GetParent(handle()); }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enter and Escape belong to the sheet, not to a page.
    bool OnCommand(int id, int notifyCode, HWND control) override { return false; }

    virtual void OnSetActive() {}
    // False keeps the page shown (its input is not acceptable).
    virtual bool OnKillActive() { return true; }
    // OK or Apply, for every page that was made; false keeps the sheet open.
    virtual bool OnApply() { return true; }
    // Cancel, for every page that was made.
    virtual void OnReset() {}

private:
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnSheetNotify(const NMHDR& header, LRESULT& result);

    int templateId_;
};

class PropertySheetDialog : public Subclass {
public:
    // Pages stay the caller's and show as tabs in the order they are added.
    void AddPage(PropertyPage& page);
    // IDOK when the sheet ended by OK (or a button that acts as OK),
    // IDCANCEL otherwise, -1 when it could not be made.
    INT_PTR DoModal(HINSTANCE instance, HWND parent, const std::string& caption);

protected:
    // After the sheet's standard initialisation.
    virtual void OnInit() {}
    // Seen before the sheet's own handling of the command, which follows.
    virtual void OnCommand(int id, int notifyCode, HWND control) {}
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);

    std::vector<PropertyPage*> pages_;
};

}  // namespace win32
