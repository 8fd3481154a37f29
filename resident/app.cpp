#include "resident/app.h"

#include <shellapi.h>

namespace resident {

App& TheApp()
{
    static App app;
    return app;
}

// The path need not exist: only the lists are wanted.
void AttachSystemImageLists(App& app)
{
    SHFILEINFOA info = {};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES;
    app.largeImageList = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags));
    app.smallImageList = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags | SHGFI_SMALLICON));
}

}  // namespace resident
