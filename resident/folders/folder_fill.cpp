// Filling a folder menu when it first opens: the header entry of a top-level
// menu, then the folder's children, folders first and then by name, each a
// command item or, while the depth allows, a submenu filled in its turn.
#include "resident/folders/folder_registry.h"

#include <shellapi.h>
#include <shlwapi.h>
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

// Enumerated children are asked for in batches: one call per child is a
// round trip through the shell for each of thousands of files.
constexpr ULONG kEnumerationBatch = 64;

// The name the shell shows for a child in its folder; empty when it has none.
std::string NameOf(IShellFolder* folder, LPCITEMIDLIST child)
{
    STRRET name = {};
    char text[MAX_PATH] = "";
    if (FAILED(folder->GetDisplayNameOf(child, SHGDN_INFOLDER, &name)) ||
        FAILED(StrRetToBufA(&name, child, text, sizeof text)))
        return std::string();
    return text;
}

DWORD FolderBitOf(IShellFolder* folder, LPCITEMIDLIST child)
{
    SFGAOF attributes = SFGAO_FOLDER;
    return SUCCEEDED(folder->GetAttributesOf(1, &child, &attributes)) ? attributes : 0;
}

// Name and attributes of the folder itself, for the header entry.
void DescribeHeader(FolderEntry& entry)
{
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(reinterpret_cast<const char*>(entry.absolute.get()), 0, &info, sizeof info,
                       SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES | SHGFI_PIDL)) {
        entry.displayName = info.szDisplayName;
        entry.attributes = info.dwAttributes;
    }
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
    return Fill(*record.state, *record.menu, [&](MenuBuilder& builder) { FillNested(record, builder); });
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
    // Kept first: the entries refer to the folder and its list.
    state.boundFolders.push_back(std::move(bound));
    state.idLists.push_back(std::move(list));
    IShellFolder* folder = state.boundFolders.back().get();
    LPCITEMIDLIST folderList = state.idLists.back().get();
    // The desktop, the root of everything, has no header.
    if (!IsEmptyItemIdList(folderList))
        AddHeader(state, folderList, builder);
    Enumerate(state, folder, folderList, csidl == kDrivesFolder, builder);
}

// The subfolder is bound now, not when its parent was filled: a folder of
// hundreds of subfolders binds only those the user opens.
void FolderRegistry::FillNested(NestedMenu& record, MenuBuilder& builder)
{
    FolderEntry& entry = *record.entry;
    if (!record.folder &&
        (FAILED(entry.parent->BindToObject(entry.relative.get(), nullptr, IID_IShellFolder, record.folder.put_void())) ||
         !record.folder))
        return;
    LPCITEMIDLIST list = AbsoluteOf(entry);
    if (!list)
        return;
    record.state->currentDepth = record.depth;
    Enumerate(*record.state, record.folder.get(), list, false, builder);
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
    DescribeHeader(*header);
    AppendEntryItem(state, Keep(state, std::move(header)), builder);
    AppendSeparator(*state.menuBeingFilled, builder);
}

void FolderRegistry::Enumerate(FolderMenuState& state, IShellFolder* folder, LPCITEMIDLIST folderList, bool drives,
                               MenuBuilder& builder)
{
    std::vector<FolderEntry*> entries = ReadChildren(state, folder, folderList, drives);
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

// Without attributes (the drives) every child counts as a folder.
std::vector<FolderEntry*> FolderRegistry::ReadChildren(FolderMenuState& state, IShellFolder* folder,
                                                       LPCITEMIDLIST folderList, bool drives)
{
    std::vector<FolderEntry*> entries;
    win32::ComPtr<IEnumIDList> children;
    if (FAILED(folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, children.put())) || !children)
        return entries;
    LPITEMIDLIST batch[kEnumerationBatch];
    ULONG fetched = 0;
    HRESULT result;
    do {
        fetched = 0;
        result = children->Next(kEnumerationBatch, batch, &fetched);
        for (ULONG i = 0; i < fetched && i < kEnumerationBatch; ++i) {
            auto entry = std::make_unique<FolderEntry>();
            entry->relative.reset(batch[i]);
            entry->parent = win32::ComPtr<IShellFolder>::Share(folder);
            entry->parentList = folderList;
            entry->displayName = NameOf(folder, batch[i]);
            entry->attributes = drives ? SFGAO_FOLDER : FolderBitOf(folder, batch[i]);
            entries.push_back(&Keep(state, std::move(entry)));
        }
    } while (result == S_OK && fetched > 0);
    return entries;
}

void FolderRegistry::AppendEntryItem(FolderMenuState& state, const FolderEntry& entry, MenuBuilder& builder)
{
    menufile::MenuEntry item;
    item.text1 = FolderEntryTarget(entry.key);
    item.text2 = MenuTextOfName(entry.displayName);
    builder.AppendCommand(*state.menuBeingFilled, item, PictureOf(entry));
}

void FolderRegistry::AppendSubfolder(FolderMenuState& state, FolderEntry& entry, MenuBuilder& builder)
{
    auto submenu = std::make_unique<OwnerDrawMenu>(state.menuBeingFilled->context(), options_, width_);
    submenu->Attach(CreateMenu());
    HMENU handle = submenu->handle();
    menufile::MenuEntry popup;
    popup.flags = menufile::ITEM_POPUP;
    popup.text1 = MenuTextOfName(entry.displayName);
    builder.AppendPopup(*state.menuBeingFilled, popup, handle, PictureOf(entry));
    nested_.emplace(handle, NestedMenu{&state, std::move(submenu), state.currentDepth, &entry, {}});
}

}  // namespace resident
