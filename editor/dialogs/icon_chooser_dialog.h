#pragma once
// Dialog 4405: every icon of one file in a grid, the file typed, picked from
// the history of the last five files or browsed for. The result is the file
// and the position of the icon chosen.
#include <windows.h>
#include <string>
#include <vector>
#include "editor/dialogs/recent_icon_files.h"
#include "win32/dialog.h"
#include "win32/unique_handle.h"

namespace editor {

class IconChooserDialog : public win32::Dialog {
public:
    // Reads the history from the settings file; the system's SHELL32.dll
    // joins its head unless it is in it. The dialog starts on the newest
    // file of the history that still exists.
    IconChooserDialog(HINSTANCE instance, std::string iniPath);

    // The dialog starts on that file and icon when the file holds the icon.
    // A number below 0 is the resource id of an icon: it starts on that
    // icon's position, or with none selected when the file has no such icon.
    bool SetIconLocation(const std::string& file, int number);

    // IDOK when an icon was chosen. The history is written back to the
    // settings file when the dialog closes, whatever the answer.
    INT_PTR Run(HWND parent);

    const std::string& iconFile() const { return file_; }
    // -1 when none is selected.
    int iconIndex() const { return index_; }
    const RecentIconFiles& history() const { return history_; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;
    bool OnDrawItem(int controlId, const DRAWITEMSTRUCT& item) override;
    void OnDestroy() override;

private:
    void Load(const std::string& file);
    void FillList();
    bool ReadIcons();
    void ShowHistoryMenu();
    void Browse();
    std::string TypedFile() const;
    void DrawIconItem(const DRAWITEMSTRUCT& item) const;
    void DrawHistoryButton(const DRAWITEMSTRUCT& item) const;

    HINSTANCE instance_;
    std::string iniPath_;
    RecentIconFiles history_;
    std::string file_;
    int index_ = 0;
    std::vector<win32::UniqueIcon> icons_;
    win32::UniqueBitmap historyBitmap_;
};

}  // namespace editor
