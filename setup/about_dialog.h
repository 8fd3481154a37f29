#pragma once
// The version box: the program icon, the scrolling credits panel, links to
// the home page and to the author's mail address, and help on F1.
#include <windows.h>
#include <string>
#include "setup/credits_control.h"
#include "setup/static_link.h"
#include "win32/dialog.h"
#include "win32/html_help.h"
#include "win32/unique_handle.h"

namespace setup {

// The fixed texts of the box.
extern const char kMailAddress[];
extern const char kHomePage[];
extern const char kNoticeLine[];

// The panel's text: product name, version and notice, separated by "|".
std::string AboutCreditsText();

class AboutDialog : public win32::Dialog {
public:
    AboutDialog(HINSTANCE instance, std::string helpFile);

    INT_PTR DoModal(HWND parent = nullptr);

    CreditsControl& credits() { return credits_; }
    CStaticLink& mailLink() { return mailLink_; }
    CStaticLink& webLink() { return webLink_; }
    HICON icon() const { return icon_.get(); }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInit() override;
    void OnHelp(const HELPINFO& info) override;
    void OnDestroy() override;

private:
    void InitLinks();
    bool PaintMinimised();

    HINSTANCE instance_;
    std::string helpFile_;
    win32::UniqueIcon icon_;
    win32::UniqueIcon smallIcon_;
    CreditsControl credits_;
    CStaticLink mailLink_;
    CStaticLink webLink_;
    win32::HtmlHelpControl help_;
};

}  // namespace setup
