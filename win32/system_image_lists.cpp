#include "win32/system_image_lists.h"

#include <shellapi.h>

namespace win32 {

// The path need not exist: only the lists are wanted.
SystemImageLists AttachSystemImageLists()
{
    SHFILEINFOA info = {};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES;
    SystemImageLists lists;
    lists.largeIcons = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags));
    lists.smallIcons = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags | SHGFI_SMALLICON));
    return lists;
}

}  // namespace win32
