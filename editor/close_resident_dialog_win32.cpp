#include "editor/close_resident_dialog.h"

#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

INT_PTR CloseResidentDialog::Run(HINSTANCE instance, HWND owner)
{
    instance_ = instance;
    return DoModal(instance, IDD_CLOSE_RESIDENT, owner);
}

bool CloseResidentDialog::OnInit()
{
    SendDlgItemMessageA(handle(), IDC_CLOSE_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_QUESTION)), 0);
    SetDlgItemTextA(handle(), IDC_CLOSE_TEXT, LoadText(instance_, IDS_CLOSE_RESIDENT).c_str());
    return true;
}

void CloseResidentDialog::Finish(INT_PTR result)
{
    automatically_ = IsDlgButtonChecked(handle(), IDC_CLOSE_AUTOMATICALLY) == BST_CHECKED;
    End(result);
}

void CloseResidentDialog::OnOK() { Finish(IDOK); }

void CloseResidentDialog::OnCancel() { Finish(IDCANCEL); }

}  // namespace editor
