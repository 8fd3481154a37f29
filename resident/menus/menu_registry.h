#pragma once
// The process-wide table from menu handle to the object that draws its
// owner-drawn entries, and the menu handle wrapper that such objects derive
// from. A wrapper that is given a handle registers it; destroying the
// wrapper unregisters the handle and destroys the menu.
#include <windows.h>
#include <memory>
#include <unordered_map>
#include <vector>

namespace resident {

class MenuRegistry;

class MenuHandle {
public:
    MenuHandle() = default;
    virtual ~MenuHandle();
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;

    // WM_DRAWITEM and WM_MEASUREITEM for entries of this menu; a plain
    // wrapper draws and measures nothing.
    virtual void DrawItem(const DRAWITEMSTRUCT& item) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT& item) {}
    // The text of an owner-drawn entry whose item data this object made,
    // or null: the mnemonic search reads only its own records.
    virtual const char* ItemText(ULONG_PTR itemData) const { return nullptr; }

    HMENU handle() const { return handle_; }
    void Attach(HMENU menu);
    void Attach(HMENU menu, MenuRegistry& registry);
    HMENU Detach();
    // Unregisters and destroys the menu.
    void Destroy();

private:
    friend class MenuRegistry;
    HMENU handle_ = nullptr;
    MenuRegistry* registry_ = nullptr;
};

class MenuRegistry {
public:
    MenuRegistry();
    // Destroys every menu still registered by its owner; the owners keep
    // their objects, which no longer have a handle.
    ~MenuRegistry();
    MenuRegistry(const MenuRegistry&) = delete;
    MenuRegistry& operator=(const MenuRegistry&) = delete;

    // The registered object, or a temporary wrapper kept in the registry.
    MenuHandle& Find(HMENU menu);
    // The object its owner registered, or null.
    MenuHandle* Lookup(HMENU menu) const;
    void Attach(MenuHandle& object, HMENU menu);
    HMENU Detach(MenuHandle& object);
    // Temporary wrappers stand for menus the resident does not own
    // (resource menus loaded for one popup): dropped when the popup ends so
    // that the table does not grow with every click.
    void DropTemporaryWrappers();

    size_t SlotCount() const { return slots_.size(); }
    size_t UsedSlotCount() const { return index_.size(); }
    // The slot that holds the handle, or -1.
    int SlotOf(HMENU menu) const;

private:
    struct Slot {
        MenuHandle* object = nullptr;
        HMENU handle = nullptr;
        bool owned = false;
    };
    size_t FreeSlot();
    void EmptySlot(size_t slot);

    std::vector<Slot> slots_;
    std::unordered_map<HMENU, size_t> index_;
};

// The resident's registry, made on first use.
MenuRegistry& TheMenuRegistry();
// At program end: destroys the menus still registered.
void DeleteMenuRegistry();

}  // namespace resident
