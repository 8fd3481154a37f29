#include "resident/tray/tray_popup.h"

#include <algorithm>
#include "resident/app.h"
#include "resident/folders/folder_registry.h"
#include "resident/launch/launcher.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/popup_menu.h"
#include "resident/tray/tray_icon.h"
#include "resources/resident/resource_ids.h"

namespace resident {

namespace {

bool popupOpen = false;
FolderMenuSource* installedFolders = nullptr;

class OpenFlag {
public:
    OpenFlag() { popupOpen = true; }
    ~OpenFlag() { popupOpen = false; }
    OpenFlag(const OpenFlag&) = delete;
    OpenFlag& operator=(const OpenFlag&) = delete;
};

std::string LoadedText(UINT id)
{
    char text[260] = "";
    LoadStringA(TheApp().instance, id, text, sizeof text);
    return text;
}

std::string ProductCaption()
{
    const App& app = TheApp();
    return app.productCaption[0] ? std::string(app.productCaption) : LoadedText(IDS_PRODUCT_CAPTION);
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
    MenuContext context = ResidentMenuContext(popup.window);
    EntryIds ids(launchMap, SettingsCommands());
    PopupMenu menu(context, *popup.menu, popup.options, popup.width, ids, folders);
    if (popup.settingsSubmenu)
        AppendSettingsSubmenu(menu.root());
    int id = static_cast<int>(menu.Track(popup.at, popup.autoHideMs));
    DispatchChoice(id, launchMap, popup.window);
    return id;
}

const std::vector<UINT>& SettingsCommands()
{
    static const std::vector<UINT> commands{CMD_ABOUT, CMD_EXIT, CMD_RELOAD, CMD_EDIT_MENUS, CMD_HELP};
    return commands;
}

void DispatchChoice(int id, const LaunchMap& launchMap, HWND window)
{
    const std::vector<UINT>& commands = SettingsCommands();
    if (std::find(commands.begin(), commands.end(), static_cast<UINT>(id)) != commands.end()) {
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
        return;
    }
    if (id <= 0)
        return;
    std::string launchString = launchMap.Find(id);
    if (!launchString.empty())
        LaunchChosenEntry(launchString);
}

void LaunchChosenEntry(const std::string& launchString)
{
    Launch(LaunchTarget(launchString), LaunchParameters(launchString));
}

MenuContext ResidentMenuContext(HWND owner)
{
    const App& app = TheApp();
    MenuContext context;
    context.instance = app.instance;
    context.owner = owner ? owner : app.mainWindow;
    context.caption = ProductCaption();
    context.largeImageList = app.largeImageList;
    context.smallImageList = app.smallImageList;
    context.fileNotFound = LoadedText(IDS_FILE_NOT_FOUND);
    context.trayMessage = TRAY_CALLBACK_MESSAGE;
    return context;
}

void AppendSettingsSubmenu(OwnerDrawMenu& root)
{
    win32::UniqueMenu resource(LoadMenuA(TheApp().instance, MAKEINTRESOURCEA(IDM_RESIDENT)));
    HMENU settings = GetSubMenu(resource.get(), 1);
    if (!settings)
        return;
    AppendMenuA(root.handle(), MF_SEPARATOR, 0, nullptr);
    int picture = PicturesOf(root).ForProgram();
    root.Append(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(settings),
                EntryRecord(KIND_SUBMENU, ProductCaption(), picture));
    root.Adopt(std::move(resource));
}

FolderRegistry& TheFolderRegistry()
{
    static FolderRegistry registry;
    return registry;
}

void InstallFolderMenus()
{
    installedFolders = &TheFolderRegistry();
    SetFolderEntryLookup(&TheFolderRegistry());
}

FolderMenuSource* TheFolderMenuSource()
{
    return installedFolders;
}

}  // namespace resident
