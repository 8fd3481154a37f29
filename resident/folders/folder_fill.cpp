// Filling a folder menu when it first opens: the header entry of a top-level
// menu, then the folder's children, folders first and then by name, each a
// command item or, while the depth allows, a submenu filled in its turn.
#include "resident/folders/folder_registry.h"

#include <shellapi.h>
#include <algorithm>
#include "resident/folders/folder_sort.h"
#include "resident/folders/item_id_list.h"
#include "resident/menus/menu_builder.h"
#include "resident/menus/owner_draw_menu.h"
#include "resident/menus/shell_item.h"
#include "shiftjis/shift_jis.h"
#include "win32/wide_text.h"

namespace resident {

namespace {

constexpr int kDrivesFolder = CSIDL_DRIVES;  // 17
constexpr UINT kEntryInfo = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_PIDL;

win32::UniqueItemIdList ParseFolderPath(IShellFolder* desktop, std::string path)
{
    if (!shiftjis::EndsWith(path, '\\'))
        path += '\\';
    std::wstring wide = win32::WideFromAnsi(path);
    win32::UniqueItemIdList list;
    ULONG eaten = 0;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], &eaten, list.put(), nullptr)))
        list.reset();
    return list;
}

// Name, icon and (unless asked not to) attributes of an item; without
// attributes it counts as a folder.
void DescribeEntry(FolderEntry& entry, bool withAttributes)
{
    SHFILEINFOA info = {};
    UINT flags = withAttributes ? kEntryInfo | SHGFI_ATTRIBUTES : kEntryInfo;
    if (SHGetFileInfoA(reinterpret_cast<const char*>(entry.absolute.get()), 0, &info, sizeof info, flags)) {
        entry.displayName = info.szDisplayName;
        entry.iconIndex = info.iIcon;
        entry.attributes = info.dwAttributes;
    }
    if (!withAttributes)
        entry.attributes = SFGAO_FOLDER;
}

void AppendSeparator(OwnerDrawMenu& menu, MenuBuilder& builder)
{
    menufile::MenuList separator;
    separator.entries.emplace_back();
    separator.entries.back().flags = menufile::ITEM_SEPARATOR;
    builder.Build(separator, menu);
}

}  // namespace

int FolderRegistry::MenuOpened(HMENU menu)
{
    auto topLevel = topLevel_.find(menu);
    if (topLevel != topLevel_.end()) {
        FolderMenuState& state = *topLevel->second.state;
        return Fill(state, *topLevel->second.menu, [&](MenuBuilder& builder) { FillTopLevel(state, builder); });
    }
    auto nested = nested_.find(menu);
    if (nested == nested_.end())
        return 0;
    NestedMenu& record = nested->second;
    return Fill(*record.state, *record.menu, [&](MenuBuilder& builder) {
        record.state->currentDepth = record.depth;
        Enumerate(*record.state, record.folder.get(), record.absolute.get(), false, builder);
    });
}

int FolderRegistry::Fill(FolderMenuState& state, OwnerDrawMenu& menu, const std::function<void(MenuBuilder&)>& work)
{
    int count = GetMenuItemCount(menu.handle());
    if (count != 0)
        return count < 0 ? 0 : count;
    CreatedMenus noPopups;  // folder entries make no POPUP submenus
    MenuBuilder builder(ids_ ? *ids_ : displayIds_, noPopups, nullptr);
    state.menuBeingFilled = &menu;
    work(builder);
    count = GetMenuItemCount(menu.handle());
    return count < 0 ? 0 : count;
}

void FolderRegistry::FillTopLevel(FolderMenuState& state, MenuBuilder& builder)
{
    ClearState(state);
    state.currentDepth = 0;
    IShellFolder* desktop = Shell().Desktop();
    int csidl = state.folder.csidl;
    win32::UniqueItemIdList list = desktop ? FolderItemIdList(state.folder, csidl) : win32::UniqueItemIdList();
    if (!list)
        return;
    win32::ComPtr<IShellFolder> bound;
    if (IsEmptyItemIdList(list.get()))
        bound = win32::ComPtr<IShellFolder>::Share(desktop);
    else if (FAILED(desktop->BindToObject(list.get(), nullptr, IID_IShellFolder, bound.put_void())) || !bound)
        return;
    // The desktop, the root of everything, has no header.
    if (!IsEmptyItemIdList(list.get()))
        AddHeader(state, list.get(), builder);
    Enumerate(state, bound.get(), list.get(), csidl == kDrivesFolder, builder);
    state.boundFolders.push_back(std::move(bound));
    state.idLists.push_back(std::move(list));
}

// A path that turns out to be a special folder counts as that folder.
win32::UniqueItemIdList FolderRegistry::FolderItemIdList(const ResolvedFolder& folder, int& csidl)
{
    win32::UniqueItemIdList list;
    if (!folder.path.empty()) {
        list = ParseFolderPath(Shell().Desktop(), folder.path);
        int special = list ? Shell().SpecialFolderOf(list.get()) : -1;
        if (special >= 0)
            csidl = special;
    } else if (csidl >= 0) {
        SHGetSpecialFolderLocation(nullptr, csidl, list.put());
    } else if (folder.idList) {
        list = CopyItemIdList(folder.idList.get());
    }
    return list;
}

void FolderRegistry::AddHeader(FolderMenuState& state, LPCITEMIDLIST folderList, MenuBuilder& builder)
{
    auto header = std::make_unique<FolderEntry>();
    header->absolute = CopyItemIdList(folderList);
    if (!header->absolute)
        return;
    DescribeEntry(*header, true);
    AppendEntryItem(state, Keep(state, std::move(header)), builder);
    AppendSeparator(*state.menuBeingFilled, builder);
}

void FolderRegistry::Enumerate(FolderMenuState& state, IShellFolder* folder, LPCITEMIDLIST folderList, bool drives,
                               MenuBuilder& builder)
{
    win32::ComPtr<IEnumIDList> children;
    if (FAILED(folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, children.put())) || !children)
        return;
    std::vector<FolderEntry*> entries;
    LPITEMIDLIST child = nullptr;
    while (children->Next(1, &child, nullptr) == S_OK) {
        auto entry = std::make_unique<FolderEntry>();
        entry->relative.reset(child);
        entry->absolute = JoinItemIdLists(folderList, child);
        if (!entry->absolute)
            break;
        entry->parent = win32::ComPtr<IShellFolder>::Share(folder);
        DescribeEntry(*entry, !drives);
        entries.push_back(&Keep(state, std::move(entry)));
    }
    ++state.currentDepth;
    if (!drives)
        SortFolderEntries(entries);
    for (FolderEntry* entry : entries) {
        if (state.currentDepth < state.maximumDepth && entry->attributes != 0xFFFFFFFF && (entry->attributes & SFGAO_FOLDER))
            AppendSubfolder(state, *entry, builder);
        else
            AppendEntryItem(state, *entry, builder);
    }
    --state.currentDepth;
}

void FolderRegistry::AppendEntryItem(FolderMenuState& state, const FolderEntry& entry, MenuBuilder& builder)
{
    menufile::MenuEntry item;
    item.text1 = FolderEntryTarget(entry.key);
    item.text2 = MenuTextOfName(entry.displayName);
    builder.AppendCommand(*state.menuBeingFilled, item, entry.iconIndex);
}

// A subfolder that cannot be bound is left out of the menu.
void FolderRegistry::AppendSubfolder(FolderMenuState& state, const FolderEntry& entry, MenuBuilder& builder)
{
    win32::ComPtr<IShellFolder> subfolder;
    if (FAILED(entry.parent->BindToObject(entry.relative.get(), nullptr, IID_IShellFolder, subfolder.put_void())) ||
        !subfolder)
        return;
    auto submenu = std::make_unique<OwnerDrawMenu>(state.menuBeingFilled->context(), options_, width_);
    submenu->Attach(CreateMenu());
    HMENU handle = submenu->handle();
    menufile::MenuEntry popup;
    popup.flags = menufile::ITEM_POPUP;
    popup.text1 = MenuTextOfName(entry.displayName);
    popup.iconPath = "&#" + std::to_string(entry.iconIndex);
    popup.iconNumber = -1;
    builder.AppendPopup(*state.menuBeingFilled, popup, handle);
    nested_.emplace(handle, NestedMenu{&state, std::move(submenu), state.currentDepth, std::move(subfolder),
                                       CopyItemIdList(entry.absolute.get())});
}

}  // namespace resident
