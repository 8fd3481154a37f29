#pragma once
// The settings model's surroundings in the running editor: the system's
// clock and disk, question 170 and the file-open dialog over the frame, and
// copies of menus made through temporary files.
#include <windows.h>
#include <functional>
#include "editor/model_services.h"
#include "editor/save_all.h"

namespace editor {

class SystemModelServices : public ModelServices {
public:
    // owner gives the window the boxes belong to (the frame, once it exists);
    // temporaryWriter writes a menu file with no backup.
    SystemModelServices(HINSTANCE instance, std::function<HWND()> owner, MenuReports& reports,
                        MenuFileWriter& temporaryWriter);

    uint32_t Now() const override;
    bool FileExists(const std::string& path) const override;
    MenuReports& Reports() override { return reports_; }
    FileAnswer AskMissingOrBroken(const std::string& path) override;
    bool PickFile(std::string& path) override;
    // Written to a "~qf" file of the system's temporary folder and read back;
    // the file is deleted again. None when it could not be made (shown).
    std::unique_ptr<menufile::MenuList> CopyMenu(const menufile::MenuList& source) override;

private:
    HINSTANCE instance_;
    std::function<HWND()> owner_;
    MenuReports& reports_;
    MenuFileWriter& temporaryWriter_;
};

}  // namespace editor
