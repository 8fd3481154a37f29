// Copy, cut and paste of entries through the clipboard's text. Paste takes
// the text as untrusted: anything but one well-formed entry only beeps.
#include "editor/section/clipboard_entry.h"
#include "editor/section/menu_pane.h"
#include "win32/clipboard.h"

namespace editor {

namespace {

const char kClipboardBusy[] = "Clipboard is using by another.";

}  // namespace

bool MenuPane::CopyEntry()
{
    const menufile::MenuEntry* entry = EntryOf(current_);
    if (!entry)
        return false;
    HWND owner = GetAncestor(handle(), GA_ROOT);
    for (;;) {
        win32::Clipboard clipboard(owner);
        if (clipboard.open())
            return clipboard.SetText(ClipboardText(*entry));
        if (MessageBoxA(owner, kClipboardBusy, nullptr, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
}

bool MenuPane::ClipboardHoldsEntry() const
{
    if (!IsClipboardFormatAvailable(CF_TEXT))
        return false;
    bool holds = false;
    win32::Clipboard(GetAncestor(handle(), GA_ROOT)).ReadText([&](const char* bytes, size_t size) {
        holds = HoldsClipboardEntry(bytes, size);
    });
    return holds;
}

std::optional<EntryPath> MenuPane::Paste()
{
    std::optional<menufile::MenuEntry> entry;
    win32::Clipboard(GetAncestor(handle(), GA_ROOT)).ReadText([&](const char* bytes, size_t size) {
        entry = ParseClipboardEntry(bytes, size);
    });
    if (!entry) {
        MessageBeep(MB_OK);
        return std::nullopt;
    }
    return Operations().Insert(std::move(*entry), current_, StepKind::Paste);
}

std::optional<EntryPath> MenuPane::Cut()
{
    if (!CopyEntry())
        return std::nullopt;
    return Operations().Delete(current_);
}

}  // namespace editor
