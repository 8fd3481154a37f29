#include "resident/help_viewer.h"

#include <htmlhelp.h>

namespace resident {

HelpViewer::~HelpViewer()
{
    if (htmlHelp_)
        htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

void HelpViewer::Load()
{
    tried_ = true;
    // From the system folder only: a file of that name beside the program
    // must not be loaded in its place.
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH - 12)
        return;
    lstrcatA(path, "\\hhctrl.ocx");
    control_.reset(LoadLibraryA(path));
    if (control_)
        htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(control_.get(), "HtmlHelpA")));
}

void HelpViewer::Show(HWND owner, const std::string& helpFile)
{
    if (!tried_)
        Load();
    if (htmlHelp_)
        htmlHelp_(owner, helpFile.c_str(), HH_DISPLAY_TOPIC, 0);
}

}  // namespace resident
