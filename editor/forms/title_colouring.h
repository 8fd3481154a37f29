#pragma once
// "全タイトルに適応": the colours of one title given to every title of a
// side's menu, inside groups too.
#include <string>
#include <utility>
#include <vector>
#include "editor/section/entry_fields.h"
#include "editor/section/entry_path.h"

namespace editor {

// The edits that give every title under root whose parameters differ the
// parameters text. No recursion: menus may nest deep.
std::vector<std::pair<EntryPath, EntryFields>> RecolourAllTitles(const menufile::MenuList& root,
                                                                 const std::string& parameters);

}  // namespace editor
