#include "resident/menus/menu_builder.h"

#include "menufile/title_colours.h"
#include "resident/menus/folder_menu_source.h"

namespace resident {

MenuItemData EntryRecord(int kind, std::string text, int image)
{
    MenuItemData data;
    data.kind = kind;
    data.text = std::move(text);
    data.image = image;
    return data;
}

PictureMaker PicturesOf(OwnerDrawMenu& menu)
{
    return PictureMaker(menu.icons(), menu.largeIcons(), menu.context().instance);
}

MenuBuilder::MenuBuilder(EntryIds& ids, CreatedMenus& created, FolderMenuSource* folders)
    : ids_(ids), created_(created), folders_(folders)
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
    auto submenu = std::make_unique<OwnerDrawMenu>(like.context(), like.options(), like.width());
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
                EntryRecord(KIND_SUBMENU, entry.text1, picture));
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
    EntryLookup lookup(entry, shell_, menu.context());
    int picture = PicturesOf(menu).ForCommand(entry, lookup);
    menu.Append((entry.flags & 0x7EEF) | MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(handle),
                EntryRecord(KIND_SUBMENU, lookup.DisplayText(), picture));
}

void MenuBuilder::AppendSeparator(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    menu.Append((entry.flags & 0x76FF) | MF_OWNERDRAW | MF_SEPARATOR, ids_.StaticId(), EntryRecord(KIND_SEPARATOR, entry.text1, -1));
}

void MenuBuilder::AppendTitle(OwnerDrawMenu& menu, const menufile::MenuEntry& entry)
{
    menufile::TitleColours colours = menufile::ParseTitleColours(entry.parameters);
    auto data = EntryRecord(KIND_TITLE, entry.text1, PicturesOf(menu).ForTitle(entry));
    data.textColor = menufile::ColourValue(colours.text);
    data.backgroundColor = menufile::ColourValue(colours.background);
    menu.Append((entry.flags & 0x7EFD) | MF_OWNERDRAW | MF_DISABLED, ids_.StaticId(), std::move(data));
}

void MenuBuilder::AppendCommand(OwnerDrawMenu& menu, const menufile::MenuEntry& entry, const DeferredIndex& deferred)
{
    UINT id = ids_.Take(entry.text1, entry.parameters);
    EntryLookup lookup(entry, shell_, menu.context());
    int picture = PicturesOf(menu).ForCommand(entry, lookup, deferred);
    // Without an id the entry is shown but can never be chosen.
    UINT enabling = id == 0 ? MF_GRAYED : 0;
    menu.Append((entry.flags & 0x7EFF) | MF_OWNERDRAW | enabling, id,
                EntryRecord(KIND_COMMAND, lookup.DisplayText(), picture));
}

}  // namespace resident
