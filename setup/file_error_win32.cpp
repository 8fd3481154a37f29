#include "setup/file_error.h"

#include "resources/setup/resource_ids.h"
#include "shellfiles/messages.h"

namespace setup {

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

void ShowFileError(DWORD error, const std::string& path)
{
    char format[512];
    if (!LoadStringA(GetModuleHandleA(nullptr), IDS_FILE_ERROR_BASE + FileErrorCause(error), format, sizeof format))
        format[0] = '\0';
    std::string text = format;
    size_t insert = text.find("%1");
    if (insert != std::string::npos)
        text.replace(insert, 2, path);
    MessageBoxA(GetActiveWindow(), text.c_str(), shellfiles::kProductName, MB_OK);
}

}  // namespace setup
