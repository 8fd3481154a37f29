#include "menufile/menu_model.h"

#include <utility>

namespace menufile {

MenuList::~MenuList()
{
    // Move every submenu below this list onto one explicit stack, emptying
    // each before it is destroyed, so no destructor recurses.
    std::vector<std::unique_ptr<MenuList>> pending;
    for (MenuEntry& entry : entries) {
        if (entry.submenu)
            pending.push_back(std::move(entry.submenu));
    }
    while (!pending.empty()) {
        std::unique_ptr<MenuList> list = std::move(pending.back());
        pending.pop_back();
        for (MenuEntry& entry : list->entries) {
            if (entry.submenu)
                pending.push_back(std::move(entry.submenu));
        }
    }
}

namespace {

// The entry's own fields; its submenu, if any, is left to the caller.
MenuEntry CopyFields(const MenuEntry& source)
{
    MenuEntry copy;
    copy.text1 = source.text1;
    copy.text2 = source.text2;
    copy.parameters = source.parameters;
    copy.iconPath = source.iconPath;
    copy.iconNumber = source.iconNumber;
    copy.flags = source.flags;
    return copy;
}

bool SameFields(const MenuEntry& a, const MenuEntry& b)
{
    return a.text1 == b.text1 && a.text2 == b.text2 && a.parameters == b.parameters &&
           a.iconPath == b.iconPath && a.iconNumber == b.iconNumber && a.flags == b.flags &&
           !a.submenu == !b.submenu;
}

// Fills target with copies of source's entries, and every submenu below it
// the same way, walking the tree with an explicit stack.
void CopyEntriesInto(const MenuList& source, MenuList& target)
{
    std::vector<std::pair<const MenuList*, MenuList*>> pending{{&source, &target}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        to->entries.reserve(from->entries.size());
        for (const MenuEntry& entry : from->entries) {
            to->entries.push_back(CopyFields(entry));
            if (entry.submenu) {
                MenuEntry& copy = to->entries.back();
                copy.submenu = std::make_unique<MenuList>();
                copy.submenu->parent = to;
                pending.emplace_back(entry.submenu.get(), copy.submenu.get());
            }
        }
    }
}

}  // namespace

MenuEntry CopyEntry(const MenuEntry& source)
{
    MenuEntry copy = CopyFields(source);
    if (source.submenu)
        copy.submenu = CopyTree(*source.submenu);
    return copy;
}

std::unique_ptr<MenuList> CopyTree(const MenuList& source)
{
    auto copy = std::make_unique<MenuList>();
    CopyEntriesInto(source, *copy);
    return copy;
}

bool SameTree(const MenuList& a, const MenuList& b)
{
    std::vector<std::pair<const MenuList*, const MenuList*>> pending{{&a, &b}};
    while (!pending.empty()) {
        auto [left, right] = pending.back();
        pending.pop_back();
        if (left->entries.size() != right->entries.size())
            return false;
        for (size_t i = 0; i < left->entries.size(); ++i) {
            const MenuEntry& x = left->entries[i];
            const MenuEntry& y = right->entries[i];
            if (!SameFields(x, y))
                return false;
            if (x.submenu)
                pending.emplace_back(x.submenu.get(), y.submenu.get());
        }
    }
    return true;
}

}  // namespace menufile
