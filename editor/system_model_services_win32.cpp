#include "editor/system_model_services.h"

#include <commdlg.h>
#include <ctime>
#include <vector>
#include "editor/command_text.h"
#include "resources/editor/resource_ids.h"

namespace editor {

namespace {

// Removes the temporary file of a copy, whatever happens to the copy.
class TemporaryMenuFile {
public:
    ~TemporaryMenuFile()
    {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }
    DWORD Create()
    {
        char folder[MAX_PATH], name[MAX_PATH];
        DWORD length = GetTempPathA(sizeof folder, folder);
        if (length == 0 || length >= sizeof folder || !GetTempFileNameA(folder, "~qf", 0, name))
            return GetLastError() != NO_ERROR ? GetLastError() : ERROR_PATH_NOT_FOUND;
        path_ = name;
        return NO_ERROR;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

SystemModelServices::SystemModelServices(HINSTANCE instance, std::function<HWND()> owner, MenuReports& reports,
                                         MenuFileWriter& temporaryWriter)
    : instance_(instance), owner_(std::move(owner)), reports_(reports), temporaryWriter_(temporaryWriter)
{
}

uint32_t SystemModelServices::Now() const
{
    return static_cast<uint32_t>(time(nullptr));
}

bool SystemModelServices::FileExists(const std::string& path) const
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileAnswer SystemModelServices::AskMissingOrBroken(const std::string& path)
{
    std::string question = LoadText(instance_, IDS_MENU_FILE_QUESTION) + path;
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    switch (MessageBoxA(owner_(), question.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return FileAnswer::OtherFile;
    case IDNO:
        return FileAnswer::NewFile;
    default:
        return FileAnswer::Cancel;
    }
}

bool SystemModelServices::PickFile(std::string& path)
{
    static const char kFilter[] = "All files(*.*)\0*.*\0";
    std::vector<char> name(4 * MAX_PATH, '\0');
    path.copy(name.data(), name.size() - 1);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_();
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog))
        return false;
    path = name.data();
    return true;
}

std::unique_ptr<menufile::MenuList> SystemModelServices::CopyMenu(const menufile::MenuList& source)
{
    TemporaryMenuFile temporary;
    DWORD error = temporary.Create();
    if (error != NO_ERROR) {
        SetLastError(error);
        reports_.FileError(temporary.path(), menufile::FileFailure::Open, 0);
        return nullptr;
    }
    if (!temporaryWriter_.Write(temporary.path(), source))
        return nullptr;
    EditMenuFile copy(temporary.path(), reports_);
    if (!copy.Reload() || !copy.root())
        return nullptr;
    return menufile::CopyTree(*copy.root());
}

}  // namespace editor
