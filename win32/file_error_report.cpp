#include "win32/file_error_report.h"

namespace win32 {

namespace {

enum Cause {
    kGeneric = 1,
    kFileNotFound = 2,
    kBadPath = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,
    kInvalidFile = 6,
    kRemoveCurrentDir = 7,
    kDirectoryFull = 8,
    kBadSeek = 9,
    kHardIo = 10,
    kSharingViolation = 11,
    kLockViolation = 12,
    kDiskFull = 13,
};

}  // namespace

int FileErrorCause(DWORD error)
{
    switch (error) {
    case NO_ERROR: return 0;
    case ERROR_FILE_NOT_FOUND: return kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return kBadPath;
    case ERROR_TOO_MANY_OPEN_FILES: return kTooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return kAccessDenied;
    case ERROR_INVALID_HANDLE: return kInvalidFile;
    case ERROR_CURRENT_DIRECTORY: return kRemoveCurrentDir;
    case ERROR_CANNOT_MAKE: return kDirectoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return kBadSeek;
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_CRC:
    case ERROR_GEN_FAILURE: return kHardIo;
    case ERROR_SHARING_VIOLATION: return kSharingViolation;
    case ERROR_LOCK_VIOLATION: return kLockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return kDiskFull;
    default: return kGeneric;
    }
}

std::string FileErrorText(HINSTANCE instance, DWORD error, const std::string& path)
{
    char format[512];
    if (!LoadStringA(instance, kFileErrorTexts + FileErrorCause(error), format, sizeof format))
        format[0] = '\0';
    std::string text = format;
    size_t insert = text.find("%1");
    if (insert != std::string::npos)
        text.replace(insert, 2, path);
    return text;
}

void ShowFileError(const ReportOwner& owner, DWORD error, const std::string& path, UINT style)
{
    MessageBoxA(owner.window, FileErrorText(owner.instance, error, path).c_str(), owner.caption, style);
}

}  // namespace win32
