#include "resident/app.h"

#include "win32/system_image_lists.h"

namespace resident {

App& TheApp()
{
    static App app;
    return app;
}

void AttachSystemImageLists(App& app)
{
    win32::SystemImageLists lists = win32::AttachSystemImageLists();
    app.largeImageList = lists.largeIcons;
    app.smallImageList = lists.smallIcons;
}

}  // namespace resident
