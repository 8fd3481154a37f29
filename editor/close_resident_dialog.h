#pragma once
// Dialog 3406: may the running resident be closed while the menus are
// edited, and should that happen from now on without asking.
#include "win32/dialog.h"

namespace editor {

class CloseResidentDialog : public win32::Dialog {
public:
    // IDOK for "はい", IDCANCEL for "いいえ".
    INT_PTR Run(HINSTANCE instance, HWND owner);
    // The state of the box "次回から自動的に終了する" when the dialog ended.
    bool automatically() const noexcept { return automatically_; }

protected:
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Finish(INT_PTR result);

    HINSTANCE instance_ = nullptr;
    bool automatically_ = false;
};

}  // namespace editor
