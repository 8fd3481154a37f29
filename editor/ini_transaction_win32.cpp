#include "editor/ini_transaction.h"

#include "settings/ini_file.h"
#include "settings/paths.h"

namespace editor {

namespace {

DWORD LastErrorOr(DWORD fallback)
{
    DWORD error = GetLastError();
    return error != NO_ERROR ? error : fallback;
}

}  // namespace

IniTransaction::IniTransaction(std::string path, ErrorReport report)
    : path_(std::move(path)), report_(std::move(report))
{
}

IniTransaction::~IniTransaction()
{
    Discard();
}

int IniTransaction::ReadInt(const std::string& section, const char* key, int defaultValue) const
{
    return settings::IniFile(Current()).ReadInt(section.c_str(), key, defaultValue);
}

std::string IniTransaction::ReadText(const std::string& section, const char* key) const
{
    return settings::IniFile(Current()).ReadText(section.c_str(), key);
}

bool IniTransaction::WriteText(const std::string& section, const char* key, const std::string& value)
{
    if (error_ == NO_ERROR && copy_.empty())
        error_ = MakeCopy();
    if (error_ == NO_ERROR && !settings::IniFile(copy_).WriteText(section.c_str(), key, value))
        error_ = LastErrorOr(ERROR_WRITE_FAULT);
    return error_ == NO_ERROR;
}

// A read-only settings file stays as it is, as it would if it were written
// in place.
DWORD IniTransaction::MakeCopy()
{
    DWORD attributes = GetFileAttributesA(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    std::string folder = settings::FolderOf(path_);
    char name[MAX_PATH];
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "~om", 0, name))
        return LastErrorOr(ERROR_CANNOT_MAKE);
    copy_ = name;
    if (attributes != INVALID_FILE_ATTRIBUTES && !CopyFileA(path_.c_str(), name, FALSE))
        return LastErrorOr(ERROR_WRITE_FAULT);
    return NO_ERROR;
}

bool IniTransaction::Commit()
{
    if (error_ == NO_ERROR && !copy_.empty() &&
        !MoveFileExA(copy_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error_ = LastErrorOr(ERROR_WRITE_FAULT);
    if (error_ == NO_ERROR) {
        copy_.clear();
        return true;
    }
    Discard();
    if (report_)
        report_(path_, error_);
    error_ = NO_ERROR;
    return false;
}

void IniTransaction::Discard()
{
    if (!copy_.empty())
        DeleteFileA(copy_.c_str());
    copy_.clear();
}

}  // namespace editor
