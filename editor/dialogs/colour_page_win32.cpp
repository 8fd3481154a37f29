#include "editor/dialogs/colour_page.h"

#include <commdlg.h>
#include "editor/dialogs/colour_drawing.h"
#include "editor/dialogs/colour_name.h"
#include "editor/dialogs/colour_names.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

bool IsSystemSwatch(int id)
{
    return id >= IDC_SYSTEM_SWATCH && id < IDC_SYSTEM_SWATCH + kSystemSwatchCount;
}

bool IsFixedSwatch(int id)
{
    return id >= IDC_FIXED_SWATCH && id < IDC_FIXED_SWATCH + kFixedSwatchCount;
}

bool SameColour(const menufile::TitleColour& a, const menufile::TitleColour& b)
{
    return (a.system != 0) == (b.system != 0) && a.value == b.value;
}

}  // namespace

ColourPage::ColourPage(HINSTANCE instance, ColourSheetData& data, bool text)
    : PropertyPage(text ? IDD_TEXT_COLOUR_PAGE : IDD_BACK_COLOUR_PAGE), instance_(instance), data_(data),
      text_(text), preview_(data.colours)
{
}

bool ColourPage::OnInit()
{
    preview_ = data_.colours;
    ShowName();
    return true;
}

void ColourPage::OnSetActive()
{
    preview_ = data_.colours;
    ShowName();
    InvalidateRect(Item(IDC_COLOUR_PREVIEW), nullptr, TRUE);
}

bool ColourPage::OnKillActive()
{
    Own(data_.colours) = Own(preview_);
    return true;
}

menufile::TitleColour& ColourPage::Own(menufile::TitleColours& colours) const
{
    return text_ ? colours.text : colours.background;
}

bool ColourPage::OnCommand(int id, int notifyCode, HWND control)
{
    if (notifyCode != BN_CLICKED)
        return false;
    if (IsSystemSwatch(id))
        Choose(SystemSwatchColour(id - IDC_SYSTEM_SWATCH));
    else if (IsFixedSwatch(id))
        Choose(FixedSwatchColour(id - IDC_FIXED_SWATCH));
    else if (id == IDC_DEFAULT_COLOUR)
        ChooseDefault();
    else if (id == IDC_OTHER_COLOUR)
        ChooseOther();
    else
        return false;
    return true;
}

void ColourPage::Choose(const menufile::TitleColour& colour)
{
    Own(preview_) = colour;
    ShowName();
    InvalidateRect(Item(IDC_COLOUR_PREVIEW), nullptr, TRUE);
}

void ColourPage::ChooseDefault()
{
    if (!SameColour(Own(preview_), DefaultColour(text_)))
        Choose(DefaultColour(text_));
}

void ColourPage::ChooseOther()
{
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = handle();
    dialog.rgbResult = menufile::ColourValue(Own(preview_));
    dialog.lpCustColors = customColours_;
    dialog.Flags = CC_RGBINIT;
    if (ChooseColorA(&dialog))
        Choose({0, dialog.rgbResult});
}

void ColourPage::ShowName()
{
    SetDlgItemTextA(handle(), IDC_COLOUR_NAME, ColourName(instance_, Own(preview_)).c_str());
}

bool ColourPage::OnDrawItem(int controlId, const DRAWITEMSTRUCT& item)
{
    if (controlId == IDC_COLOUR_PREVIEW)
        DrawPreview(item, data_.title, menufile::ColourValue(preview_.text),
                    menufile::ColourValue(preview_.background));
    else if (IsSystemSwatch(controlId))
        DrawSwatch(item, menufile::ColourValue(SystemSwatchColour(controlId - IDC_SYSTEM_SWATCH)));
    else if (IsFixedSwatch(controlId))
        DrawSwatch(item, menufile::ColourValue(FixedSwatchColour(controlId - IDC_FIXED_SWATCH)));
    else
        return false;
    return true;
}

}  // namespace editor
