// Arbitrary bytes as the clipboard's text block. Paste reads only within the
// block; an entry it takes is whole (every group has its submenu) and copies
// back to a text that pastes as the same entry.
#include <cstdint>
#include <cstdlib>
#include <vector>
#include "editor/section/clipboard_entry.h"

namespace {

using namespace menufile;

bool GroupsHaveSubmenus(const MenuList& list)
{
    std::vector<const MenuList*> pending{&list};
    while (!pending.empty()) {
        const MenuList* next = pending.back();
        pending.pop_back();
        for (const MenuEntry& entry : next->entries) {
            if (entry.IsPopup() && !entry.submenu)
                return false;
            if (entry.submenu)
                pending.push_back(entry.submenu.get());
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A block of exactly this size, so that a read past it is caught.
    std::vector<char> block(data, data + size);
    std::optional<MenuEntry> entry = editor::ParseClipboardEntry(block.data(), block.size());
    if (!entry)
        return 0;
    MenuList pasted;
    pasted.entries.push_back(std::move(*entry));
    if (!GroupsHaveSubmenus(pasted))
        abort();
    std::string again = editor::ClipboardText(pasted.entries.front());
    std::optional<MenuEntry> back = editor::ParseClipboardEntry(again.data(), again.size());
    if (!back)
        abort();
    MenuList copied;
    copied.entries.push_back(std::move(*back));
    if (!SameTree(pasted, copied))
        abort();
    return 0;
}
