#pragma once
// The colour sheet of a title: a text colour page and a background colour
// page. "全タイトルに適応" in the Apply button's place ends it as OK does and
// asks the caller to give the colours to every title. The sheet changes
// nothing but its own copy; the caller applies what it returns.
#include <windows.h>
#include <string>
#include "editor/dialogs/colour_page.h"
#include "menufile/title_colours.h"
#include "win32/property_sheet.h"

namespace editor {

class ColourSheet : public win32::PropertySheetDialog {
public:
    // The title's text is what the previews show.
    ColourSheet(HINSTANCE instance, std::string title, const menufile::TitleColours& colours);

    // IDOK or IDCANCEL. After IDCANCEL the colours are the caller's again.
    INT_PTR Run(HWND parent);

    const menufile::TitleColours& colours() const { return data_.colours; }
    // Whether "全タイトルに適応" ended the sheet.
    bool applyToAll() const { return applyToAll_; }

protected:
    void OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;

private:
    void ReplaceApplyButton();

    HINSTANCE instance_;
    menufile::TitleColours original_;
    ColourSheetData data_;
    ColourPage textPage_;
    ColourPage backgroundPage_;
    HWND applyToAllButton_ = nullptr;
    bool applyToAll_ = false;
};

}  // namespace editor
