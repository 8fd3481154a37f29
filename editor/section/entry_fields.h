#pragma once
// What the forms change of a menu entry, and the entry as it becomes when
// its kind or its path changes. Pure functions on the model: the forms
// hand the results to the menu operations, which keep them reversible.
#include <string>
#include "editor/section/node_kind.h"
#include "menufile/menu_model.h"
#include "menufile/title_colours.h"

namespace editor {

// An entry without its submenu: a form's edit never touches what lies
// below a group.
struct EntryFields {
    std::string text1, text2, parameters, iconPath;
    int iconNumber = 0;
    uint32_t flags = 0;
    bool operator==(const EntryFields& other) const;
    bool operator!=(const EntryFields& other) const { return !(*this == other); }
};

EntryFields FieldsOf(const menufile::MenuEntry& entry);
void PutFields(menufile::MenuEntry& entry, const EntryFields& fields);

// Text 2 of a command item, text 1 of the other kinds.
std::string DescriptionOf(const EntryFields& fields);
void PutDescription(EntryFields& fields, const std::string& text);

// The folder depth (flags bits 16-23); other bits kept.
void SetFolderDepth(EntryFields& fields, int depth);
bool ValidFolderDepth(int depth);

// The texts an entry of another kind is given: the editor's own program
// for a command item, with "新規メニュー" when the old entry had no text.
struct KindChangeTexts {
    std::string program;
    std::string newItem;
};

// The entry at its place turned into another kind. A group gets a new
// empty submenu; any other kind loses the old submenu. The kind bits and
// what means nothing for the new kind (the folder bit and depth off a
// command item) are cleared, the other flags kept.
menufile::MenuEntry ConvertedEntry(const menufile::MenuEntry& entry, NodeKind kind, const KindChangeTexts& texts);

// A command item with a new path: description, parameters and icon
// cleared, the kind bits off, the other flags kept.
menufile::MenuEntry WithNewPath(const menufile::MenuEntry& entry, const std::string& path);

// The colours of a title as its parameters hold them.
menufile::TitleColours ColoursOf(const EntryFields& fields);

}  // namespace editor
