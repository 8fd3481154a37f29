#pragma once
// The folder menus of the popup being shown: SHOWFOLDER submenus registered
// while the popup is built, filled from the shell when they first open, and
// the entries behind their launch strings, kept until the popup is cleared.
#include <functional>
#include <memory>
#include <unordered_map>
#include "menufile/menu_model.h"
#include "resident/folders/folder_entry.h"
#include "resident/folders/folder_entry_lookup.h"
#include "resident/menus/entry_ids.h"
#include "resident/menus/folder_menu_source.h"
#include "resident/menus/menu_context.h"
#include "resident/menus/menu_icon_store.h"

namespace resident {

class MenuBuilder;
class ShellItemLookup;

class FolderRegistry : public FolderMenuSource, public FolderEntryLookup, public IconIndexSource {
public:
    FolderRegistry();
    ~FolderRegistry() override;

    void Prepare(const MenuContext& context, int menuOptions, int menuWidth) override;
    bool Register(std::unique_ptr<OwnerDrawMenu>& submenu, const std::string& path, int maximumDepth) override;
    void SetIdSource(EntryIds* ids) override;
    int MenuOpened(HMENU menu) override;
    void Clear() override;

    LPCITEMIDLIST FindFolderEntry(unsigned long key) const override;
    // The entry's system image list index, asked of the shell once.
    int IconIndexOf(uintptr_t key) override;

    // Entries and folder menus alive now; all go at Clear.
    size_t EntryCount() const { return entriesByKey_.size(); }
    size_t MenuCount() const { return topLevel_.size() + nested_.size(); }
    // Icons asked of the shell since the registry was made.
    size_t IconLookupCount() const { return iconLookups_; }

private:
    struct TopLevelMenu {
        std::unique_ptr<OwnerDrawMenu> menu;
        std::unique_ptr<FolderMenuState> state;
    };
    // A subfolder's menu; the subfolder is bound when the menu first opens.
    struct NestedMenu {
        FolderMenuState* state;
        std::unique_ptr<OwnerDrawMenu> menu;
        int depth;
        FolderEntry* entry;  // one of the state's entries
        win32::ComPtr<IShellFolder> folder;
    };

    ShellItemLookup& Shell();
    void ClearState(FolderMenuState& state);
    FolderEntry& Keep(FolderMenuState& state, std::unique_ptr<FolderEntry> entry);

    // Filling (folder_fill.cpp).
    int Fill(FolderMenuState& state, OwnerDrawMenu& menu, const std::function<void(MenuBuilder&)>& work);
    void FillTopLevel(FolderMenuState& state, MenuBuilder& builder);
    win32::UniqueItemIdList FolderItemIdList(const ResolvedFolder& folder, int& csidl);
    void AddHeader(FolderMenuState& state, LPCITEMIDLIST folderList, MenuBuilder& builder);
    void FillNested(NestedMenu& record, MenuBuilder& builder);
    void Enumerate(FolderMenuState& state, IShellFolder* folder, LPCITEMIDLIST folderList, bool drives,
                   MenuBuilder& builder);
    std::vector<FolderEntry*> ReadChildren(FolderMenuState& state, IShellFolder* folder, LPCITEMIDLIST folderList,
                                           bool drives);
    void AppendEntryItem(FolderMenuState& state, const FolderEntry& entry, MenuBuilder& builder);
    void AppendSubfolder(FolderMenuState& state, FolderEntry& entry, MenuBuilder& builder);
    DeferredIndex PictureOf(const FolderEntry& entry) { return {this, entry.key}; }

    const MenuContext* context_ = nullptr;
    int options_ = 0;
    int width_ = 0;
    EntryIds* ids_ = nullptr;
    // Used when no popup handed its own over: entries then launch nothing.
    EntryIds displayIds_ = EntryIds::DisplayOnly();
    std::unique_ptr<ShellItemLookup> shell_;
    std::unordered_map<HMENU, TopLevelMenu> topLevel_;
    std::unordered_map<HMENU, NestedMenu> nested_;
    std::unordered_map<unsigned long, FolderEntry*> entriesByKey_;
    unsigned long nextKey_ = 1;
    size_t iconLookups_ = 0;
};

// A file system name as a menu text: "&" would mark a mnemonic there.
std::string MenuTextOfName(const std::string& name);

}  // namespace resident
