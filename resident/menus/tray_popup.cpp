#include "resident/menus/tray_popup.h"

#include "resident/launch/launcher.h"
#include "resident/menus/folder_menu_source.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/menu_window_hook.h"

namespace resident {

namespace {

bool popupOpen = false;

class OpenFlag {
public:
    OpenFlag() { popupOpen = true; }
    ~OpenFlag() { popupOpen = false; }
    OpenFlag(const OpenFlag&) = delete;
    OpenFlag& operator=(const OpenFlag&) = delete;
};

// The folder menus live from Prepare to Clear; Clear runs after the chosen
// entry was started because folder launch strings refer to their entries.
class FolderScope {
public:
    FolderScope(FolderMenuSource* folders, int options, int width) : folders_(folders)
    {
        if (folders_)
            folders_->Prepare(options, width);
    }
    ~FolderScope()
    {
        if (folders_)
            folders_->Clear();
    }
    FolderScope(const FolderScope&) = delete;
    FolderScope& operator=(const FolderScope&) = delete;

private:
    FolderMenuSource* folders_;
};

UINT Track(const TrayPopup& popup, HMENU menu, FolderMenuSource* folders)
{
    MenuWindowHook hook(popup.window, popup.autoHideMs, folders);
    // The owner must be in the foreground, or the menu does not close when
    // the user clicks elsewhere.
    SetForegroundWindow(popup.window);
    SetActiveWindow(popup.window);
    return TrackPopupMenu(menu, TPM_RETURNCMD, popup.at.x, popup.at.y, 0, popup.window, nullptr);
}

}  // namespace

bool TrayPopupOpen()
{
    return popupOpen;
}

int ShowTrayPopup(const TrayPopup& popup, LaunchMap& launchMap, FolderMenuSource* folders)
{
    if (popupOpen || !popup.menu)
        return 0;
    OpenFlag open;
    OwnerDrawMenu root(popup.options, popup.width);
    root.Attach(CreatePopupMenu());
    CreatedMenus created;
    MenuBuilder builder(launchMap, created, folders);
    // Cleared before the builder and the root go: the folder menus use the
    // builder's id counter while the popup is open.
    FolderScope folderScope(folders, popup.options, popup.width);
    builder.Build(*popup.menu, root);
    if (folders)
        folders->SetIdSource(&launchMap, builder.nextIdSlot());
    if (popup.settingsSubmenu)
        AppendSettingsSubmenu(root);
    int id = static_cast<int>(Track(popup, root.handle(), folders));
    DispatchChoice(id, launchMap, popup.window);
    // Teardown: the submenus in list order, then (at scope exit) the folder
    // menus, then the root.
    for (auto& submenu : created)
        submenu.reset();
    return id;
}

void DispatchChoice(int id, const LaunchMap& launchMap, HWND window)
{
    if (id >= kFirstCommandId && id <= kLastLaunchedId) {
        std::string launchString = launchMap.Find(id);
        if (!launchString.empty())
            LaunchChosenEntry(launchString);
    } else if (id >= 100) {
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
}

void LaunchChosenEntry(const std::string& launchString)
{
    Launch(LaunchTarget(launchString), LaunchParameters(launchString));
}

}  // namespace resident
