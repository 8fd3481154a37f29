#pragma once
// Dialog 4002: one of the shell's special folders, chosen by its name, its
// CSIDL value or its path; the icon and the name of the one selected are
// shown below the list. OK stays disabled until a folder is selected.
#include <windows.h>
#include "win32/anchor_layout.h"
#include "win32/dialog.h"
#include "win32/unique_handle.h"

namespace editor {

class SystemFolderChooser : public win32::Dialog {
public:
    explicit SystemFolderChooser(HINSTANCE instance) : instance_(instance) {}

    // IDOK when a folder was chosen.
    INT_PTR Run(HWND parent);
    // The CSIDL value of the folder chosen; -1 before one is.
    int folder() const { return folder_; }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInit() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOK() override;

private:
    void AddColumns();
    void FillList();
    int SelectedFolder() const;
    void ShowSelection();
    void PlaceControls();

    HINSTANCE instance_;
    int folder_ = -1;
    win32::UniqueIcon icon_;
    win32::AnchorLayout layout_;
};

}  // namespace editor
