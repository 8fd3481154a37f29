#include "shellfiles/file_path.h"

#include <windows.h>
#include "shellfiles/messages.h"
#include "shiftjis/shift_jis.h"

namespace shellfiles {

namespace {

// Shows the error box when report is set; returns false for the caller.
bool Fail(const std::string& path, DWORD error, bool report)
{
    if (report)
        ShowFileError(path, error);
    return false;
}

}  // namespace

bool FilePath::IsFolder(bool report) const
{
    if (path_.size() <= 3 && path_.size() >= 2 && path_[1] == ':')
        return true;
    std::string tested = path_;
    // D:\Data\ is tested as D:\Data; a 0x5C trail byte (as in ソ) stays.
    if (shiftjis::EndsWith(tested, '\\'))
        tested.pop_back();
    DWORD attributes = GetFileAttributesA(tested.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Fail(path_, GetLastError(), report);
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FilePath::CreateFolder(bool report) const
{
    if (CreateDirectoryA(path_.c_str(), nullptr))
        return true;
    DWORD error = GetLastError();
    // "Already exists" is success only for a folder: a file of that name
    // would take the place of the folder that the caller goes on to use.
    if (error == ERROR_ALREADY_EXISTS) {
        DWORD attributes = GetFileAttributesA(path_.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return true;
    }
    return Fail(path_, error, report);
}

void FilePath::ReportFileError() const { ShowFileError(path_); }

}  // namespace shellfiles
