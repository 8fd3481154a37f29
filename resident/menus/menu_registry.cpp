#include "resident/menus/menu_registry.h"

#include <algorithm>

namespace resident {

namespace {

std::unique_ptr<MenuRegistry>& RegistryInstance()
{
    static std::unique_ptr<MenuRegistry> registry;
    return registry;
}

// A temporary wrapper stands for a menu that is not ours: forget the handle
// before the wrapper goes so that it does not destroy the menu.
void DeleteTemporary(MenuHandle* wrapper)
{
    wrapper->Detach();
    delete wrapper;
}

}  // namespace

MenuRegistry& TheMenuRegistry()
{
    auto& registry = RegistryInstance();
    if (!registry)
        registry = std::make_unique<MenuRegistry>();
    return *registry;
}

void DeleteMenuRegistry()
{
    RegistryInstance().reset();
}

MenuHandle::~MenuHandle()
{
    Destroy();
}

void MenuHandle::Attach(HMENU menu)
{
    Attach(menu, TheMenuRegistry());
}

void MenuHandle::Attach(HMENU menu, MenuRegistry& registry)
{
    registry.Attach(*this, menu);
}

HMENU MenuHandle::Detach()
{
    if (registry_)
        return registry_->Detach(*this);
    HMENU menu = handle_;
    handle_ = nullptr;
    return menu;
}

void MenuHandle::Destroy()
{
    if (HMENU menu = Detach())
        DestroyMenu(menu);
}

MenuRegistry::MenuRegistry()
{
    slots_.reserve(20);
}

MenuRegistry::~MenuRegistry()
{
    for (size_t slot = 0; slot < slots_.size(); ++slot) {
        Slot& s = slots_[slot];
        if (!s.handle)
            continue;
        if (s.owned) {
            DestroyMenu(s.handle);
            s.object->handle_ = nullptr;
            s.object->registry_ = nullptr;
        } else {
            // A menu someone else made: not ours to destroy.
            DeleteTemporary(s.object);
        }
    }
}

int MenuRegistry::SlotOf(HMENU menu) const
{
    auto found = index_.find(menu);
    return found == index_.end() ? -1 : static_cast<int>(found->second);
}

MenuHandle* MenuRegistry::Lookup(HMENU menu) const
{
    int slot = SlotOf(menu);
    return slot >= 0 && slots_[slot].owned ? slots_[slot].object : nullptr;
}

MenuHandle& MenuRegistry::Find(HMENU menu)
{
    int found = SlotOf(menu);
    if (found >= 0)
        return *slots_[found].object;
    auto* wrapper = new MenuHandle;
    wrapper->handle_ = menu;
    size_t slot = FreeSlot();
    slots_[slot] = {wrapper, menu, false};
    index_[menu] = slot;
    return *wrapper;
}

void MenuRegistry::Attach(MenuHandle& object, HMENU menu)
{
    if (object.handle_)
        Detach(object);
    object.handle_ = menu;
    object.registry_ = this;
    if (!menu)
        return;
    int found = SlotOf(menu);
    size_t slot;
    if (found >= 0) {
        slot = static_cast<size_t>(found);
        if (!slots_[slot].owned)
            DeleteTemporary(slots_[slot].object);
    } else {
        slot = FreeSlot();
    }
    slots_[slot] = {&object, menu, true};
    index_[menu] = slot;
}

HMENU MenuRegistry::Detach(MenuHandle& object)
{
    HMENU menu = object.handle_;
    object.handle_ = nullptr;
    object.registry_ = nullptr;
    if (!menu)
        return nullptr;
    int slot = SlotOf(menu);
    if (slot >= 0 && slots_[slot].object == &object)
        EmptySlot(slot);
    return menu;
}

void MenuRegistry::DropTemporaryWrappers()
{
    for (size_t slot = 0; slot < slots_.size(); ++slot) {
        if (slots_[slot].handle && !slots_[slot].owned) {
            DeleteTemporary(slots_[slot].object);
            EmptySlot(slot);
        }
    }
}

void MenuRegistry::EmptySlot(size_t slot)
{
    index_.erase(slots_[slot].handle);
    slots_[slot] = Slot{};
}

size_t MenuRegistry::FreeSlot()
{
    for (size_t slot = 0; slot < slots_.size(); ++slot) {
        if (!slots_[slot].handle)
            return slot;
    }
    if (slots_.size() == slots_.capacity()) {
        size_t step = std::clamp<size_t>(slots_.size() / 8, 4, 1024);
        slots_.reserve(slots_.size() + step);
    }
    slots_.emplace_back();
    return slots_.size() - 1;
}

}  // namespace resident
