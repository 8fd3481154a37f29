#include "resident/folders/folder_registry.h"

#include "resident/folders/folder_resolver.h"
#include "resident/menus/owner_draw_menu.h"
#include "resident/menus/shell_item.h"

namespace resident {

FolderRegistry::FolderRegistry() = default;

FolderRegistry::~FolderRegistry()
{
    Clear();
}

void FolderRegistry::Prepare(const MenuContext& context, int menuOptions, int menuWidth)
{
    // Whatever an earlier popup left behind goes now, not with this one.
    Clear();
    context_ = &context;
    options_ = menuOptions;
    width_ = menuWidth;
}

bool FolderRegistry::Register(std::unique_ptr<OwnerDrawMenu>& submenu, const std::string& path, int maximumDepth)
{
    if (!context_ || !submenu || !submenu->handle() || topLevel_.count(submenu->handle()))
        return false;
    auto state = std::make_unique<FolderMenuState>();
    state->maximumDepth = maximumDepth < 0 ? 0 : maximumDepth > 255 ? 255 : maximumDepth;
    if (!ResolveFolder(path, Shell(), *context_, state->folder))
        return false;
    HMENU handle = submenu->handle();
    topLevel_.emplace(handle, TopLevelMenu{std::move(submenu), std::move(state)});
    return true;
}

void FolderRegistry::SetIdSource(EntryIds* ids)
{
    ids_ = ids;
}

void FolderRegistry::Clear()
{
    // Nested menus first: they refer to the states of the top-level ones.
    nested_.clear();
    topLevel_.clear();
    // Swapped, not cleared: the buckets of a 20,000-file folder would stay.
    std::unordered_map<unsigned long, FolderEntry*>().swap(entriesByKey_);
    shell_.reset();
    ids_ = nullptr;
    context_ = nullptr;
}

LPCITEMIDLIST FolderRegistry::FindFolderEntry(unsigned long key) const
{
    auto found = entriesByKey_.find(key);
    return found == entriesByKey_.end() ? nullptr : AbsoluteOf(*found->second);
}

int FolderRegistry::IconIndexOf(uintptr_t key)
{
    auto found = entriesByKey_.find(static_cast<unsigned long>(key));
    if (found == entriesByKey_.end())
        return -1;
    FolderEntry& entry = *found->second;
    if (entry.iconIndex < 0) {
        ++iconLookups_;
        entry.iconIndex = LookUpIconIndex(entry);
    }
    return entry.iconIndex;
}

ShellItemLookup& FolderRegistry::Shell()
{
    if (!shell_)
        shell_ = std::make_unique<ShellItemLookup>();
    return *shell_;
}

void FolderRegistry::ClearState(FolderMenuState& state)
{
    // Subfolder menus of the state refer to its entries.
    for (auto nested = nested_.begin(); nested != nested_.end();)
        nested = nested->second.state == &state ? nested_.erase(nested) : std::next(nested);
    for (const auto& entry : state.entries)
        entriesByKey_.erase(entry->key);
    state.entries.clear();
    state.boundFolders.clear();
    state.idLists.clear();
}

FolderEntry& FolderRegistry::Keep(FolderMenuState& state, std::unique_ptr<FolderEntry> entry)
{
    entry->key = nextKey_++;
    entriesByKey_[entry->key] = entry.get();
    state.entries.push_back(std::move(entry));
    return *state.entries.back();
}

std::string MenuTextOfName(const std::string& name)
{
    // "&" (0x26) is never the second byte of a double-byte character.
    std::string text;
    text.reserve(name.size() + 4);
    for (char c : name) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}

}  // namespace resident
