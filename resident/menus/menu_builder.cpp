#include "resident/menus/menu_builder.h"

#include <cstdio>
#include "resident/app.h"
#include "resident/menus/folder_menu_source.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/menu_pictures.h"
#include "resources/resident/resource_ids.h"

namespace resident {

namespace {

MenuItemData Record(int kind, std::string text, int image)
{
    MenuItemData data;
    data.kind = kind;
    data.text = std::move(text);
    data.image = image;
    return data;
}

PictureMaker PicturesOf(OwnerDrawMenu& menu)
{
    return PictureMaker(menu.icons(), menu.largeIcons());
}

}  // namespace

TitleColours ParseTitleColours(const std::string& parameters)
{
    int textSystem = 1, backgroundSystem = 1;
    unsigned long text = COLOR_MENUTEXT, background = COLOR_MENU;
    int read = std::sscanf(parameters.c_str(), "/%d/%lu/%d/%lu", &textSystem, &text, &backgroundSystem,
                           &background);
    if (read < 4) {
        backgroundSystem = 1;
        background = COLOR_MENU;
    }
    if (read < 2) {
        textSystem = 1;
        text = COLOR_MENUTEXT;
    }
    return {textSystem ? GetSysColor(static_cast<int>(text)) : static_cast<COLORREF>(text),
            backgroundSystem ? GetSysColor(static_cast<int>(background)) : static_cast<COLORREF>(background)};
}

MenuBuilder::MenuBuilder(LaunchMap& launchMap, CreatedMenus& created, FolderMenuSource* folders, int firstId)
    : launchMap_(launchMap), created_(created), folders_(folders), nextId_(firstId)
{
}

int MenuBuilder::Build(const menufile::MenuList& list, OwnerDrawMenu& menu)
{
    struct Frame {
        const menufile::MenuList* list;
        OwnerDrawMenu* menu;
        size_t next;
    };
    std::vector<Frame> stack{{&list, &menu, 0}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.list->entries.size()) {
            stack.pop_back();
            continue;
        }
        const menufile::MenuEntry& entry = frame.list->entries[frame.next++];
        OwnerDrawMenu* submenu = AppendEntry(*frame.menu, entry);
        if (submenu && entry.submenu)
            stack.push_back({entry.submenu.get(), submenu, 0});
    }
    return static_cast<int>(list.entries.size());
}

OwnerDrawMenu* MenuBuilder::AppendEntry(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    if (entry.IsPopup())
        return AppendNewPopup(menu, entry);
    if (entry.ShowsFolder())
        AppendFolder(menu, entry);
    else if (entry.IsSeparator())
        AppendSeparator(menu, entry);
    else if (entry.IsTitle())
        AppendTitle(menu, entry);
    else
        AppendCommand(menu, entry);
    return nullptr;
}

std::unique_ptr<OwnerDrawMenu> MenuBuilder::NewSubmenu(const OwnerDrawMenu& like)
{
    auto submenu = std::make_unique<OwnerDrawMenu>(like.options(), like.width());
    submenu->Attach(CreateMenu());
    return submenu;
}

OwnerDrawMenu* MenuBuilder::AppendNewPopup(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    created_.push_back(NewSubmenu(menu));
    OwnerDrawMenu* submenu = created_.back().get();
    AppendPopup(menu, entry, submenu->handle());
    return submenu;
}

void MenuBuilder::AppendPopup(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, HMENU submenu,
                              const DeferredIndex& deferred)
{
    int picture = PicturesOf(menu).ForPopup(entry, shell_, deferred);
    menu.Append(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                Record(KIND_SUBMENU, entry.text1, picture));
}

void MenuBuilder::AppendFolder(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    std::unique_ptr<OwnerDrawMenu> submenu = NewSubmenu(menu);
    HMENU handle = submenu->handle();
    if (folders_)
        folders_->Register(submenu, entry.text1, entry.FolderOption());
    // Not a folder: the entry stays an empty submenu until the popup closes.
    if (submenu)
        created_.push_back(std::move(submenu));
    EntryLookup lookup(entry, shell_);
    int picture = PicturesOf(menu).ForCommand(entry, lookup);
    menu.Append((entry.flags & 0x7EEF) | MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(handle),
                Record(KIND_SUBMENU, lookup.DisplayText(), picture));
}

void MenuBuilder::AppendSeparator(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    menu.Append((entry.flags & 0x76FF) | MF_OWNERDRAW | MF_SEPARATOR, 0, Record(KIND_SEPARATOR, entry.text1, -1));
}

void MenuBuilder::AppendTitle(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    TitleColours colours = ParseTitleColours(entry.parameters);
    auto data = Record(KIND_TITLE, entry.text1, PicturesOf(menu).ForTitle(entry));
    data.textColor = colours.text;
    data.backgroundColor = colours.background;
    menu.Append((entry.flags & 0x7EFD) | MF_OWNERDRAW | MF_DISABLED, 0, std::move(data));
}

void MenuBuilder::AppendCommand(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, const DeferredIndex& deferred)
{
    int id = nextId_++;
    EntryLookup lookup(entry, shell_);
    int picture = PicturesOf(menu).ForCommand(entry, lookup, deferred);
    menu.Append((entry.flags & 0x7EFF) | MF_OWNERDRAW, static_cast<UINT_PTR>(id & 0xFFFF),
                Record(KIND_COMMAND, lookup.DisplayText(), picture));
    launchMap_.Put(id, entry.text1, entry.parameters);
}

void AppendSettingsSubmenu(OwnerDrawMenu& root)
{
    win32::UniqueMenu resource(LoadMenuA(TheApp().instance, MAKEINTRESOURCEA(IDM_RESIDENT)));
    HMENU settings = GetSubMenu(resource.get(), 1);
    if (!settings)
        return;
    std::string caption = TheApp().productCaption;
    if (caption.empty()) {
        char text[100] = "";
        LoadStringA(TheApp().instance, IDS_PRODUCT_CAPTION, text, sizeof text);
        caption = text;
    }
    AppendMenuA(root.handle(), MF_SEPARATOR, 0, nullptr);
    int picture = PicturesOf(root).ForProgram();
    root.Append(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(settings),
                Record(KIND_SUBMENU, caption, picture));
    root.Adopt(std::move(resource));
}

}  // namespace resident
