#pragma once
// One page of the colour sheet: the text colour or the background colour of
// a title, chosen from the swatches, the default or the standard colour
// dialog, shown in a preview of the title with the other colour.
#include <windows.h>
#include <string>
#include "menufile/title_colours.h"
#include "win32/property_sheet.h"

namespace editor {

// What the pages of one sheet share: the sheet's copy of the colours.
struct ColourSheetData {
    std::string title;
    menufile::TitleColours colours;
};

class ColourPage : public win32::PropertyPage {
public:
    // A text page edits colours.text, a background page colours.background.
    ColourPage(HINSTANCE instance, ColourSheetData& data, bool text);

    // What the page shows now, before the sheet takes it.
    const menufile::TitleColours& preview() const { return preview_; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnDrawItem(int controlId, const DRAWITEMSTRUCT& item) override;
    void OnSetActive() override;
    bool OnKillActive() override;

private:
    menufile::TitleColour& Own(menufile::TitleColours& colours) const;
    void Choose(const menufile::TitleColour& colour);
    void ChooseDefault();
    void ChooseOther();
    void ShowName();

    HINSTANCE instance_;
    ColourSheetData& data_;
    bool text_;
    menufile::TitleColours preview_;
    COLORREF customColours_[16] = {};
};

}  // namespace editor
