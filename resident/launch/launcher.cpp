#include "resident/launch/launcher.h"

#include <shellapi.h>
#include <cstdlib>
#include <cstring>
#include "menufile/special_folder.h"
#include "menufile/special_folder_shell.h"
#include "resident/app.h"
#include "resident/launch/launch_failure_report.h"
#include "shiftjis/shift_jis.h"
#include "win32/unique_handle.h"

namespace resident {

namespace {

const FolderEntryLookup* theFolderEntries = nullptr;

bool IsDigits(const std::string& text, size_t from, size_t maxCount, bool hex)
{
    size_t count = text.size() - from;
    if (count == 0 || count > maxCount)
        return false;
    for (size_t i = from; i < text.size(); ++i) {
        char c = text[i];
        bool digit = (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit)
            return false;
    }
    return true;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, strlen(prefix), prefix) == 0;
}

std::string PathOfItemIdList(LPCITEMIDLIST list)
{
    char path[MAX_PATH] = "";
    if (!SHGetPathFromIDListA(list, path))
        path[0] = '\0';
    return path;
}

// ShellExecuteExA does not always fill hInstApp when it fails; a value above
// 32 there would pass for a success, so the error code speaks instead.
int ExecuteFailureCode(const SHELLEXECUTEINFOA& info, DWORD error)
{
    INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
    if (code >= 0 && code <= 32)
        return static_cast<int>(code);
    switch (error) {
    case ERROR_FILE_NOT_FOUND: return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND: return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED: return SE_ERR_ACCESSDENIED;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return SE_ERR_OOM;
    case ERROR_NO_ASSOCIATION: return SE_ERR_NOASSOC;
    default: return 0;
    }
}

void LaunchItemIdList(LPCITEMIDLIST list, const std::string& path)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = GetDesktopWindow();
    info.nShow = SW_SHOWNORMAL;
    info.lpIDList = const_cast<LPITEMIDLIST>(list);
    info.lpFile = path.empty() ? nullptr : path.c_str();
    if (ShellExecuteExA(&info))
        return;
    DWORD error = GetLastError();
    if (error == ERROR_CANCELLED)  // the user said no to a question of the shell
        return;
    ReportLaunchFailure(ExecuteFailureCode(info, error), path);
}

void LaunchPath(const std::string& path, const std::string& parameters)
{
    std::string folder = WorkingFolderOf(path);
    HINSTANCE result = ShellExecuteA(TheApp().mainWindow, nullptr, path.c_str(), parameters.c_str(),
                                     folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
    ReportLaunchFailure(static_cast<int>(reinterpret_cast<INT_PTR>(result)), path);
}

void LaunchFolderEntry(const std::string& target, const FolderEntryLookup* folderEntries)
{
    LPCITEMIDLIST list = nullptr;
    if (folderEntries && IsDigits(target, 3, 8, true))
        list = folderEntries->FindFolderEntry(strtoul(target.c_str() + 3, nullptr, 16));
    if (!list) {
        ReportLaunchFailure(SE_ERR_FNF, target);
        return;
    }
    LaunchItemIdList(list, PathOfItemIdList(list));
}

// False when the number names no special folder; the target is then a path.
bool LaunchSpecialFolder(const std::string& target)
{
    int csidl = menufile::SpecialFolderNumber(target);
    win32::UniqueItemIdList list = menufile::SpecialFolderIdList(csidl);
    if (csidl < 0 || !list)
        return false;
    LaunchItemIdList(list.get(), PathOfItemIdList(list.get()));
    return true;
}

}  // namespace

void SetFolderEntryLookup(const FolderEntryLookup* lookup)
{
    theFolderEntries = lookup;
}

void Launch(const std::string& target, const std::string& parameters)
{
    Launch(target, parameters, theFolderEntries);
}

void Launch(const std::string& target, const std::string& parameters, const FolderEntryLookup* folderEntries)
{
    if (target.size() > 3 && StartsWith(target, "&0x")) {
        LaunchFolderEntry(target, folderEntries);
        return;
    }
    if (target.size() > 2 && StartsWith(target, "&#") && LaunchSpecialFolder(target))
        return;
    LaunchPath(target, parameters);
}

std::string WorkingFolderOf(const std::string& path)
{
    size_t last = shiftjis::FindLastOf(path, "\\/:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

}  // namespace resident
